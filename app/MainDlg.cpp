#include "app/MainDlg.h"

#include <utility>

#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "app/AboutDlg.h"
#include "app/AppAccessible.h"
#include "app/AppTexts.h"
#include "app/HelpWnd.h"
#include "flow/Announcements.h"
#include "flow/GameTimerProc.h"
#include "platform/Announce.h"
#include "platform/DialogUnits.h"
#include "platform/FixedWindow.h"
#include "platform/KeyboardReturn.h"
#include "platform/MessageBox.h"
#include "platform/ScreenReader.h"
#include "platform/SystemMenu.h"

namespace {

// Size of the main window's client area in dialog units.
constexpr int kClientWidth = 455;
constexpr int kClientHeight = 262;
constexpr int kBoardLeft = 180;

// Control ids of the layout.
constexpr int kIdPlayers = 1001;
constexpr int kIdMapSize = 1002;
constexpr int kIdComputerPlayers = 1003;
constexpr int kIdComputerSkill = 1004;
constexpr int kIdRandomFirstPlayer = 1005;
constexpr int kIdFirstPlayer = 1006;
constexpr int kIdCreateNewGame = 1007;
constexpr int kIdBoard = 1008;
constexpr int kIdScoreWhite = 1009;
constexpr int kIdMenuBar = 129;

QString IdName(int nId) { return QString::number(nId); }

QStringList ColourNames()
{
    QStringList names;
    for (int c = kWhite; c <= kMaxPlayers; ++c)
        names << ColourName(c);
    return names;
}

} // namespace

CMainDlg::CMainDlg(QWidget* pParent)
    : QDialog(pParent)
    , m_lblGreen(this)
    , m_lblRed(this)
    , m_lblBlack(this)
    , m_lblWhite(this)
    , m_board(this)
    , m_cmbPlayers(this)
    , m_cmbMapSize(this)
    , m_cmbFirstPlayer(this)
    , m_cmbComputerSkill(this)
    , m_chkRandomFirstPlayer(this)
    , m_cmbComputerPlayers(this)
    , m_gameClock(this)
{
    InstallAppAccessible();
    m_hIcon.addFile(QStringLiteral(":/icons/tessera-16.png"), QSize(16, 16));
    m_hIcon.addFile(QStringLiteral(":/icons/tessera-32.png"), QSize(32, 32));

    setWindowTitle(AppTexts::Tr(AppTexts::kMainCaption));
    // An ordinary application window, as taskbars and window lists expect one, with a caption
    // and a close box and nothing else: no minimise, maximise or help button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont());

    // The layout fills the client area below the menu bar, so the window grows by the bar.
    const CDialogUnits units(font());
    const QSize client = units.Size(kClientWidth, kClientHeight);
    CreateMenuBar();
    m_pMenuBar->setGeometry(0, 0, client.width(), m_pMenuBar->sizeHint().height());
    CreateControls(units);
    setFixedSize(client.width(), client.height() + m_pMenuBar->height());
    KeepFixedWindow(*this, true);

    OnInitDialog();
}

CMainDlg::~CMainDlg()
{
    m_gameClock.stop();
    SetMessageClock(nullptr);
}

void CMainDlg::CreateMenuBar()
{
    m_pMenuBar = new QMenuBar(this);
    m_pMenuBar->setObjectName(IdName(kIdMenuBar));
    // The bar belongs to this window on every platform, not to a desktop-wide bar.
    m_pMenuBar->setNativeMenuBar(false);

    // The texts after the tab show key combinations that are deliberately bound to nothing:
    // only Exit and About do anything at all.
    QMenu* pGame = m_pMenuBar->addMenu(AppTexts::Tr(AppTexts::kMenuGame));
    pGame->addAction(AppTexts::Tr(AppTexts::kMenuOpen))->setObjectName(IdName(kIdOpen));
    pGame->addAction(AppTexts::Tr(AppTexts::kMenuSave))->setObjectName(IdName(kIdSave));
    pGame->addSeparator();
    QAction* pExit = pGame->addAction(AppTexts::Tr(AppTexts::kMenuExit));
    pExit->setObjectName(IdName(kIdExit));
    connect(pExit, &QAction::triggered, this, [this] { OnExit(); });

    QAction* pAbout = m_pMenuBar->addAction(AppTexts::Tr(AppTexts::kMenuAbout));
    pAbout->setObjectName(IdName(kIdAbout));
    connect(pAbout, &QAction::triggered, this, [this] { OnAbout(); });
}

void CMainDlg::Place(QWidget& control, const QRect& rect)
{
    control.setGeometry(rect.translated(0, m_pMenuBar->height()));
}

void CMainDlg::CreateControls(const CDialogUnits& units)
{
    const auto addLabel = [&](const char* pText, int x, int y, int cx, int cy) {
        auto* pLabel = new QLabel(AppTexts::Tr(pText), this);
        pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Place(*pLabel, units.Rect(x, y, cx, cy));
    };
    // An etched line is two pixels high however thin its rectangle.
    const auto addLine = [&](int x, int y, int cx) {
        auto* pLine = new QFrame(this);
        pLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        const QRect rect = units.Rect(x, y, cx, 1);
        Place(*pLine, QRect(rect.topLeft(), QSize(rect.width(), std::max(2, rect.height()))));
    };
    // A drop-down list's height in the layout is that of its opened list; closed, it is as
    // high as its style makes it.
    const auto placeList
        = [&](QComboBox& list, int nId, int x, int y, int cx, const QStringList& items) {
              list.setObjectName(IdName(nId));
              list.addItems(items);
              const QRect rect = units.Rect(x, y, cx, 0);
              Place(list, QRect(rect.left(), rect.top(), rect.width(), list.sizeHint().height()));
          };

    m_board.setObjectName(IdName(kIdBoard));
    m_board.setFocusPolicy(Qt::TabFocus);
    Place(m_board, units.Rect(kBoardLeft, 7, 268, 246));

    const auto scoreLabels = ScoreLabels();
    for (int i = 0; i < kMaxPlayers; ++i) {
        QLabel& label = *scoreLabels[i];
        label.setObjectName(IdName(kIdScoreWhite + i));
        label.setText(AppTexts::Tr(AppTexts::kInitialScoreFormat).arg(ColourName(i + 1)));
        // The lines of the big boards are too long for these 82 units; the label draws them
        // smaller rather than run over the frame.
        Place(label, units.Rect(91, 207 + 10 * i, 82, 8));
    }

    auto* pGroup = new QGroupBox(AppTexts::Tr(AppTexts::kSettings), this);
    Place(*pGroup, units.Rect(7, 7, 169, 248));
    pGroup->lower();

    addLabel(AppTexts::kPlayersLabel, 15, 20, 55, 8);
    placeList(m_cmbPlayers, kIdPlayers, 15, 30, 140, AppTexts::Tr(AppTexts::kPlayerCounts));
    addLabel(AppTexts::kMapSizeLabel, 15, 50, 55, 8);
    placeList(m_cmbMapSize, kIdMapSize, 15, 60, 140, AppTexts::Tr(AppTexts::kMapSizes));
    addLine(15, 80, 150);
    addLabel(AppTexts::kComputerPlayersLabel, 15, 90, 85, 10);
    placeList(m_cmbComputerPlayers, kIdComputerPlayers, 15, 100, 140,
        AppTexts::Tr(AppTexts::kComputerPlayerCounts));
    addLabel(AppTexts::kComputerSkillLabel, 15, 120, 150, 10);
    placeList(m_cmbComputerSkill, kIdComputerSkill, 15, 130, 140, FlowTr(AppTexts::kSkillNames));
    addLine(15, 150, 149);

    m_chkRandomFirstPlayer.setObjectName(IdName(kIdRandomFirstPlayer));
    m_chkRandomFirstPlayer.setText(AppTexts::Tr(AppTexts::kRandomFirstPlayer));
    Place(m_chkRandomFirstPlayer, units.Rect(15, 160, 85, 10));

    addLabel(AppTexts::kFirstPlayerLabel, 15, 175, 40, 10);
    placeList(m_cmbFirstPlayer, kIdFirstPlayer, 60, 175, 95, ColourNames());
    addLine(15, 195, 149);

    auto* pCreate = new QPushButton(AppTexts::Tr(AppTexts::kCreateNewGame), this);
    pCreate->setObjectName(IdName(kIdCreateNewGame));
    // The window has no default button, so Enter means OK everywhere but on this button.
    pCreate->setAutoDefault(false);
    pCreate->setDefault(false);
    Place(*pCreate, units.Rect(13, 220, 70, 20));

    // A screen reader names each list after the label that stands above or beside it: the
    // list's name and the label's buddy both say so, for the platforms that read either.
    const std::pair<QComboBox*, const char*> listNames[] = {
        { &m_cmbPlayers, AppTexts::kPlayersLabel },
        { &m_cmbMapSize, AppTexts::kMapSizeLabel },
        { &m_cmbComputerPlayers, AppTexts::kComputerPlayersLabel },
        { &m_cmbComputerSkill, AppTexts::kComputerSkillLabel },
        { &m_cmbFirstPlayer, AppTexts::kFirstPlayerLabel },
    };
    const QList<QLabel*> labels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (const auto& [pList, pName] : listNames) {
        const QString name = AppTexts::Tr(pName);
        pList->setAccessibleName(name);
        for (QLabel* pLabel : labels)
            if (pLabel->text() == name)
                pLabel->setBuddy(pList);
    }

    QWidget* tabOrder[] = { &m_board, &m_cmbPlayers, &m_cmbMapSize, &m_cmbComputerPlayers,
        &m_cmbComputerSkill, &m_chkRandomFirstPlayer, &m_cmbFirstPlayer, pCreate };
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(pCreate, &QPushButton::clicked, this, [this] { OnCreateNewGame(); });
    // A screen reader hears the entry a player chooses: Qt's lists send it nothing it reads
    // out.
    for (const auto& listName : listNames)
        connect(listName.first, &QComboBox::activated, this, [this, pList = listName.first] {
            Announce(*this, [pList] { return pList->currentText(); });
        });
    // activated, unlike currentIndexChanged, comes from the user's choice only, so the
    // panel's own rebuilding of the lists triggers no handler.
    connect(&m_cmbPlayers, &QComboBox::activated, this, [this] { OnSelchangePlayers(); });
    connect(&m_cmbComputerPlayers, &QComboBox::activated, this,
        [this] { OnSelchangeComputerPlayers(); });
    connect(&m_chkRandomFirstPlayer, &QCheckBox::clicked, this, [this] { OnRandomFirstPlayer(); });
}

std::array<QLabel*, kMaxPlayers> CMainDlg::ScoreLabels()
{
    return { &m_lblWhite, &m_lblBlack, &m_lblRed, &m_lblGreen };
}

void CMainDlg::OnInitDialog()
{
    const auto scoreLabels = ScoreLabels();
    for (int i = 0; i < kMaxPlayers; ++i)
        m_board.m_scores[i].m_pLabel = scoreLabels[i];

    // The clock runs before the first game exists; its first tick cannot come before this
    // function, and with it the first game, is done. A message box open on a tick stands in
    // for this timer while it waits.
    m_gameClock.setObjectName(QStringLiteral("gameClock"));
    connect(&m_gameClock, &QTimer::timeout, [] { GameTimerProc(); });
    m_gameClock.start(kTickMs);
    SetMessageClock(GameTimerProc);
    SetMessageOwner(this);

    AddSystemMenuItem(*this, AppTexts::Tr(AppTexts::kSystemMenuAbout), [this] { OnAbout(); });
    setWindowIcon(m_hIcon);

    // Painting, pointer and computer moves all reckon cells from a 400-pixel square.
    m_board.setGeometry(
        QRect(m_board.pos(), QSize(CBoardCtrl::kBoardPixels, CBoardCtrl::kBoardPixels)));

    InitSetupPanel();
    m_board.setFocus(Qt::TabFocusReason);
    // The desktop's answer comes later; by the player's first key it is there. A reader that
    // comes on while nobody has moved yet hears the game on the board, as it hears a new one.
    FollowScreenReader(this, [this] {
        if (m_board.m_nMovesPlayed == 0)
            Announce(m_board, [this] { return NewGameAnnouncement(m_board); });
    });
    // An open list's keys pass by here (eventFilter). The lists make their popups only when
    // first opened, which is why the filter is not on them.
    qApp->installEventFilter(this);
}

int CMainDlg::Run()
{
    // Not exec(): a modal window is announced to the window manager as a modal dialog, and
    // would block the message boxes that must stay answerable beside it.
    CentreOnScreen();
    show();
    activateWindow();
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec();
    return result();
}

void CMainDlg::CentreOnScreen()
{
    // move() places a window by its frame's corner.
    const QRect screen = this->screen()->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(screen.x() + (screen.width() - frame.width()) / 2,
        screen.y() + (screen.height() - frame.height()) / 2);
}

void CMainDlg::CentreWithFrame()
{
    // A window manager frames the window only once it is shown; the first time the frame is
    // known, the window moves so that the window with its frame is centred.
    if (!m_bFrameCentred && isVisible() && frameGeometry().size() != size()) {
        m_bFrameCentred = true;
        CentreOnScreen();
    }
}

void CMainDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    CentreWithFrame();
}

void CMainDlg::moveEvent(QMoveEvent* pEvent)
{
    QDialog::moveEvent(pEvent);
    CentreWithFrame();
}

void CMainDlg::OnAbout()
{
    // Chosen with the menu bar's keys, the bar has the keyboard. It leaves the bar first, as
    // Escape leaves it, for the control the bar had it from: the bar would lose it to the box
    // and forget that control, and the keyboard would come back to a bar that has left its
    // keyboard mode.
    if (m_pMenuBar->hasFocus()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(m_pMenuBar, &escape);
    }
    CAboutDlg dlg(this);
    // It blocks this window only: a pass or result message open beside it stays answerable.
    dlg.setWindowModality(Qt::WindowModal);
    const CKeyboardReturn keyboard(dlg);
    // Not exec(): the box may have to be shown anew while it is open (KeepFixedWindow).
    QEventLoop loop;
    connect(&dlg, &QDialog::finished, &loop, &QEventLoop::quit);
    dlg.show();
    loop.exec();
}

void CMainDlg::OnHelp()
{
    if (!m_pHelp)
        m_pHelp = new CHelpWnd(this);
    m_pHelp->show();
    m_pHelp->raise();
    m_pHelp->activateWindow();
}

void CMainDlg::done(int nResult)
{
    // The game goes with the window: no tick may reach it any more, the computer stops
    // thinking, a pass or result message
    // still open closes now instead of outliving the window, and the tick waiting in it
    // learns, as it does for a new game, that its game is gone and must not be advanced.
    m_gameClock.stop();
    SetMessageClock(nullptr);
    m_board.AbandonComputerSearch();
    ++m_board.m_nGeneration;
    CloseAllMessages();
    QDialog::done(nResult);
}

void CMainDlg::keyPressEvent(QKeyEvent* pEvent)
{
    // A key an open menu does not take (a letter that matches no item) comes here from the
    // menu, through the bar. It leaves the menu open, so that the next Escape closes only the
    // menu. On Wayland a list that a key has just closed sends the key on here (eventFilter).
    if (QApplication::activePopupWidget() || std::exchange(m_bKeyClosedList, false)) {
        pEvent->accept();
        return;
    }
    // A menu left with the keyboard (Right or Left from an opened menu) leaves the bar's
    // item highlighted without giving the bar the keyboard. Keys meant for the bar then
    // arrive here; they go to the bar, and neither Escape nor Enter ends the program.
    // A key the bar does not take travels back up to this window while it is being
    // forwarded: it is not sent again, and it leaves the bar as Escape does.
    if (m_bForwardingToMenuBar) {
        pEvent->ignore();
        return;
    }
    if (m_pMenuBar->activeAction()) {
        m_bForwardingToMenuBar = true;
        pEvent->ignore();
        QApplication::sendEvent(m_pMenuBar, pEvent);
        if (!pEvent->isAccepted()) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(m_pMenuBar, &escape);
        }
        m_bForwardingToMenuBar = false;
        pEvent->accept();
        return;
    }
    if (pEvent->key() == Qt::Key_F1 && pEvent->modifiers() == Qt::NoModifier) {
        OnHelp();
        return;
    }
    const bool bEnter = (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter)
        && (pEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (bEnter) {
        // Without a default button Enter presses the push button that has the focus and
        // otherwise means OK.
        if (auto* pButton = qobject_cast<QPushButton*>(focusWidget()))
            pButton->click();
        else if (ConfirmEnd())
            OnOK();
        return;
    }
    if (pEvent->matches(QKeySequence::Cancel)) {
        if (ConfirmEnd())
            OnCancel();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

bool CMainDlg::eventFilter(QObject* pObject, QEvent* pEvent)
{
    // An open list takes Return, keypad Enter and Escape as their shortcut check passes by,
    // and closes. On X11 the key then goes to the closed list's window and no further; on
    // Wayland the keyboard has stayed with this window all along, and the key comes to the
    // list box and on to this window as if no list had been open, where it would end the
    // program. It is marked here and dropped there; the mark lasts only as long as that key.
    if (pEvent->type() == QEvent::ShortcutOverride && QApplication::activePopupWidget()
        && !qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        if (nKey == Qt::Key_Return || nKey == Qt::Key_Enter || nKey == Qt::Key_Escape) {
            m_bKeyClosedList = true;
            QTimer::singleShot(0, this, [this] { m_bKeyClosedList = false; });
        }
    }
    return QDialog::eventFilter(pObject, pEvent);
}

bool CMainDlg::ConfirmEnd()
{
    // A screen reader may hand the program a key it was too slow to take for itself (Qt's
    // bridge does, when the reader answers late), and its user cannot see that the window is
    // about to go: with a reader on, the keys that end the program ask first.
    if (!ScreenReaderRunning())
        return true;
    return AskQuestion(
        AppTexts::Tr(AppTexts::kEndGameQuestion), AppTexts::Tr(AppTexts::kMainCaption));
}
