#pragma once

#include "Process.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <memory>

namespace pluvane::fixtures {

// An Xvfb server of our own on a free display number, for as long as the
// object lives.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty())
            return;
        m_server = std::make_unique<QProcess>();
        // -displayfd makes the server pick a free number and print it.
        m_server->start(xvfb, { "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp" });
        if (!m_server->waitForStarted(10000))
            return;
        while (!m_server->canReadLine() && m_server->waitForReadyRead(10000)) {}
        const QByteArray number = m_server->readLine().trimmed();
        if (!number.isEmpty())
            m_display = ":" + QString::fromLatin1(number);
    }

    ~VirtualDisplay()
    {
        if (m_server) {
            m_server->terminate();
            m_server->waitForFinished(5000);
        }
    }

    bool isUp() const { return !m_display.isEmpty(); }
    const QString& name() const { return m_display; }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_display);
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        return env;
    }

    // Runs an X client against this display.
    ProcessResult run(const QString& program, const QStringList& args) const
    {
        return runProgram(program, args, environment());
    }

private:
    std::unique_ptr<QProcess> m_server;
    QString m_display;
};

} // namespace pluvane::fixtures
