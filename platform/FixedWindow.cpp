#include "platform/FixedWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates kLargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

class CFixedWindowGuard : public QObject {
public:
    CFixedWindowGuard(QWidget& window, bool bMayMinimise)
        : QObject(&window)
        , m_window(window)
        , m_bMayMinimise(bMayMinimise)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pObject != &m_window)
            return false;
        switch (pEvent->type()) {
        case QEvent::Show:
            // A window may be tied to its parent only while it is shown (ShowMessage).
            if (QWindow* pParent = m_window.windowHandle()->transientParent())
                m_pParent = pParent;
            // After the window's own show handling, which may fix its size once more.
            QTimer::singleShot(0, this, [this] { Unbind(); });
            break;
        case QEvent::WindowStateChange:
            // The size the compositor gives stays until it confirms the normal state: a
            // maximised window that commits any other size ends its connection. The restore
            // waits for a paint (below), and the large size may have been painted already.
            if (m_window.windowState() & kLargeStates) {
                m_bRestoring = true;
                m_window.update();
            }
            break;
        case QEvent::Paint:
            // Asked for only once the large size is painted and committed: weston compares a
            // request with the state last committed, takes an earlier one for no change, and
            // would leave the window maximised.
            if (m_bRestoring && (m_window.windowState() & kLargeStates))
                QTimer::singleShot(0, this,
                    [this] { m_window.setWindowState(m_window.windowState() & ~kLargeStates); });
            break;
        case QEvent::Resize:
            if (m_window.minimumSize() != m_window.maximumSize())
                break;
            if (m_window.size() == m_window.maximumSize())
                m_bRestoring = false;
            else if (!m_bRestoring && !(m_window.windowState() & kLargeStates))
                m_window.resize(m_window.maximumSize());
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Lets the platform window grow beyond the widget's fixed size, so that a maximised or
    // full-screen configure is obeyed rather than clamped.
    void Unbind()
    {
        QWindow* pWindow = m_window.windowHandle();
        // Where the compositor draws the title bar, its buttons follow the window's size and
        // flags: only Qt's own bar needs this.
        if (!m_window.isVisible() || !QtDrawsTitleBar(pWindow))
            return;
        pWindow->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        if (!m_bMayMinimise && !m_bWatching) {
            m_bWatching = true;
            // Sent while the title bar's button is being handled, before the request
            // leaves: the window comes back once that is over.
            connect(pWindow, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
                if (state == Qt::WindowMinimized)
                    QTimer::singleShot(0, this, [this] { BringBack(); });
            });
        }
    }

    // A minimised toplevel stays minimised until the compositor restores it; a new one is
    // shown like any new window.
    void BringBack()
    {
        if (!m_window.isVisible())
            return;
        QWindow* pWindow = m_window.windowHandle();
        QWindow* pParent = pWindow->transientParent();
        m_window.hide();
        pWindow->setTransientParent(m_pParent);
        m_window.show();
        pWindow->setTransientParent(pParent);
        m_window.activateWindow();
    }

    QWidget& m_window;
    const bool m_bMayMinimise;
    QPointer<QWindow> m_pParent;
    bool m_bRestoring = false;
    bool m_bWatching = false;
};

} // namespace

bool IsWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

bool QtDrawsTitleBar(const QWindow* pWindow)
{
    return IsWayland() && pWindow && pWindow->frameMargins().top() > 0;
}

void KeepFixedWindow(QWidget& window, bool bMayMinimise)
{
    if (IsWayland())
        new CFixedWindowGuard(window, bMayMinimise);
}
