#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace pluvane {

// The one place where a failure of a handler is caught: it runs the handler
// and, should it throw, shows the message with "." appended in a critical
// message box captioned with the application title, with the window disabled
// while the box is up. The tool then goes on with the next event.
class ErrorBoundary {
public:
    ErrorBoundary(QWidget* window, QString title) : m_window(window), m_title(std::move(title)) {}

    void run(const std::function<void()>& handler) const;

    const QString& title() const { return m_title; }

private:
    void show(const QString& message) const;

    QWidget* m_window;
    QString m_title;
};

} // namespace pluvane
