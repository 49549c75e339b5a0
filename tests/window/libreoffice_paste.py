#!/usr/bin/env python3
"""Pastes the clipboard into a new LibreOffice Draw document through UNO and
prints what landed on the page, one "key=value" a line.

Usage: libreoffice_paste.py PIPE_NAME
LibreOffice must be running with --accept="pipe,name=PIPE_NAME;urp;".
"""
import sys
import time

import uno
from com.sun.star.beans import PropertyValue


def connect(pipe):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    url = "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe
    # LibreOffice takes a while to open its pipe on a first start.
    for _ in range(120):
        try:
            return resolver.resolve(url)
        except Exception:
            time.sleep(0.5)
    raise SystemExit("could not reach LibreOffice on pipe " + pipe)


def main():
    context = connect(sys.argv[1])
    smgr = context.ServiceManager
    desktop = smgr.createInstanceWithContext("com.sun.star.frame.Desktop", context)
    hidden = PropertyValue()
    hidden.Name = "Hidden"
    hidden.Value = False
    document = desktop.loadComponentFromURL("private:factory/sdraw", "_blank", 0, (hidden,))
    frame = document.getCurrentController().getFrame()
    dispatcher = smgr.createInstanceWithContext("com.sun.star.frame.DispatchHelper", context)
    page = document.getDrawPages().getByIndex(0)
    for _ in range(20):
        dispatcher.executeDispatch(frame, ".uno:Paste", "", 0, ())
        if page.getCount() > 0:
            break
        time.sleep(0.5)
    print("shapes=%d" % page.getCount())
    if page.getCount() > 0:
        shape = page.getByIndex(0)
        print("type=%s" % shape.getShapeType())
        size = shape.getSize()
        print("width=%d" % size.Width)
        print("height=%d" % size.Height)
        graphic = shape.getPropertyValue("Graphic") if shape.getPropertySetInfo().hasPropertyByName("Graphic") else None
        print("graphic_type=%d" % (graphic.getPropertyValue("GraphicType") if graphic else -1))
    document.close(True)
    try:
        desktop.terminate()
    except Exception:
        pass  # the bridge goes down with LibreOffice


main()
