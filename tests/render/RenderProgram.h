#pragma once

// pluvane-render, as built with these tests, run as a user runs it.

#include "support/FileContents.h"
#include "support/Process.h"

#include <QString>
#include <QStringList>

namespace pluvane::fixtures {

// The renderer built with these tests.
inline const QString renderProgram = QStringLiteral(PLUVANE_RENDER_PATH);

// The reference screen, 800 x 600 pixels on 280 x 210 mm, so that measures do
// not follow the machine's own screen.
inline const QStringList referenceScreenOption { "--screen", "800x600:280x210" };

// The worked example, March 1998 on the reference screen, without the line
// that names each written file.
inline const QStringList march1998Options { "--year", "1998", "--month", "3", "--screen", "800x600:280x210",
    "--quiet" };

// Runs the renderer with `args` to its end and keeps what it printed.
inline ProcessResult runRenderer(const QStringList& args)
{
    return runProgram(renderProgram, args);
}

} // namespace pluvane::fixtures
