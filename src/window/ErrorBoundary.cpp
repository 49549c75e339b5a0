#include "ErrorBoundary.h"

#include "layout/Errors.h"

#include <QMessageBox>
#include <QWidget>

namespace pluvane {

void ErrorBoundary::run(const std::function<void()>& handler) const
{
    try {
        handler();
    } catch (const PluvaneError& e) {
        show(QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        // Anything else is still a failure the user should hear about.
        show(QString::fromUtf8(e.what()));
    }
}

void ErrorBoundary::show(const QString& message) const
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    // The box has no parent, so disabling the window leaves the box usable.
    QMessageBox box(QMessageBox::Critical, m_title, message + ".", QMessageBox::Ok);
    box.setObjectName(QStringLiteral("errorBox"));
    box.setWindowModality(Qt::ApplicationModal);
    if (m_window)
        m_window->setEnabled(false);
    box.exec();
    if (m_window)
        m_window->setEnabled(true);
}

} // namespace pluvane
