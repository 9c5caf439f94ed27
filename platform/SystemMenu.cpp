#include "platform/SystemMenu.h"

#include <QString>
#include <QWidget>

#ifdef _WIN32
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

namespace {

// System commands of our own must keep the low four bits clear: Windows uses them.
constexpr UINT kAboutCommand = 0x0010;

// Lives as long as its window (a child of it) and hands the item's command to onChosen.
class CSystemMenuFilter : public QObject, public QAbstractNativeEventFilter {
public:
    CSystemMenuFilter(QWidget& window, std::function<void()> onChosen)
        : QObject(&window)
        , m_hWnd(reinterpret_cast<HWND>(window.winId()))
        , m_onChosen(std::move(onChosen))
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~CSystemMenuFilter() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override
    {
        const MSG* pMsg = static_cast<const MSG*>(message);
        if (pMsg->hwnd != m_hWnd || pMsg->message != WM_SYSCOMMAND
            || (pMsg->wParam & 0xFFF0) != kAboutCommand)
            return false;
        m_onChosen();
        return true;
    }

private:
    HWND m_hWnd;
    std::function<void()> m_onChosen;
};

} // namespace

bool AddSystemMenuItem(QWidget& window, const QString& text, std::function<void()> onChosen)
{
    HMENU hMenu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (!hMenu || text.isEmpty())
        return false;
    AppendMenuW(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(hMenu, MF_STRING, kAboutCommand, reinterpret_cast<LPCWSTR>(text.utf16()));
    new CSystemMenuFilter(window, std::move(onChosen));
    return true;
}

#else

bool AddSystemMenuItem(QWidget&, const QString&, std::function<void()>) { return false; }

#endif
