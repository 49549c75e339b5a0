#pragma once

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace pluvane::fixtures {

struct ProcessResult {
    int status = -1;
    QString out;
    QString err;
    QByteArray rawOut; // standard output as bytes, for binary output
};

// Runs a program to its end (at most a minute) and keeps what it printed.
inline ProcessResult runProgram(const QString& program, const QStringList& args,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(program, args);
    ProcessResult r;
    if (!p.waitForStarted(10000)) {
        r.err = "could not start " + program;
        return r;
    }
    p.waitForFinished(60000);
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.rawOut = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.rawOut);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The "key=value" lines a program printed, by key.
inline QMap<QString, QString> keyValues(const QString& out)
{
    QMap<QString, QString> values;
    for (const QString& line : out.split('\n', Qt::SkipEmptyParts))
        values[line.section('=', 0, 0)] = line.section('=', 1);
    return values;
}

} // namespace pluvane::fixtures
