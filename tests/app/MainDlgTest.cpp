#include "tests/app/AppFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QWindow>

#include <optional>
#include <string_view>

#include "app/AboutDlg.h"
#include "app/AppTexts.h"
#include "app/HelpWnd.h"
#include "app/Translations.h"
#include "platform/ScreenReader.h"
#include "view/ViewTexts.h"

namespace {

using MainDlgTest = AppTest;

// After White plays (2, 0) nobody can move while empty cells remain: four pass messages,
// Black's first, then the result.
const Rows kNobodyCanMove = {
    "WB......",
    "........",
    "........",
    "........",
    "........",
    "........",
    "........",
    "B......W",
};

// After White plays (2, 0) only White is left: the result at once.
const Rows kWhiteTakesAll = {
    "WB......",
    "........",
    "........",
    "........",
    "........",
    "........",
    "........",
    "........",
};

QWidget& Control(CMainDlg& dlg, const char* id) { return *dlg.findChild<QWidget*>(id); }

// A left click at pos in the widget, delivered to its top-level window as the window
// system delivers one.
void ClickThroughWindow(QWidget& widget, QPoint pos)
{
    QWindow* pWindow = widget.window()->windowHandle();
    ASSERT_TRUE(pWindow);
    QTest::mouseClick(pWindow, Qt::LeftButton, {}, widget.mapTo(widget.window(), pos));
}

// The message box on screen, if one is.
QMessageBox* OpenBox()
{
    for (QWidget* pWindow : QApplication::topLevelWidgets())
        if (auto* pBox = qobject_cast<QMessageBox*>(pWindow); pBox && pBox->isVisible())
            return pBox;
    return nullptr;
}

// Every text of a window shows whole, measured with the metrics and style its control draws
// it with: a label on its line or wrapped within its height, a check box with its indicator,
// a push button's text within its contents (frame and margins off), each entry of a list in
// the list's text field (less the pixel each side where it is drawn), a frame's title.
void ExpectTextsWhole(const QWidget& window)
{
    const auto fits = [](QSize need, QSize room, const QString& text) {
        EXPECT_TRUE(need.width() <= room.width() && need.height() <= room.height())
            << text.toStdString() << ": needs " << need.width() << " x " << need.height()
            << ", has " << room.width() << " x " << room.height();
    };
    for (const QLabel* pLabel : window.findChildren<QLabel*>())
        if (!pLabel->text().isEmpty())
            fits(pLabel->wordWrap()
                    ? QSize(0, pLabel->heightForWidth(pLabel->width()))
                    : QSize(pLabel->sizeHint().width(), pLabel->fontMetrics().height()),
                pLabel->size(), pLabel->text());
    for (const QCheckBox* pBox : window.findChildren<QCheckBox*>())
        fits(
            { pBox->sizeHint().width(), pBox->fontMetrics().height() }, pBox->size(), pBox->text());
    for (const QPushButton* pButton : window.findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(pButton);
        const QStyle* pStyle = pButton->style();
        fits(pButton->fontMetrics().size(Qt::TextShowMnemonic, pButton->text()),
            pStyle->subElementRect(QStyle::SE_PushButtonContents, &option, pButton).size(),
            pButton->text());
    }
    for (const QComboBox* pList : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(pList);
        const QRect field = pList->style()->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, pList);
        for (const QString& item : Items(*pList))
            fits(pList->fontMetrics().size(0, item), field.adjusted(1, 0, -1, 0).size(), item);
    }
    for (const QGroupBox* pFrame : window.findChildren<QGroupBox*>())
        fits({ pFrame->minimumSizeHint().width(), 0 }, pFrame->size(), pFrame->title());
}

// The game in each of its languages: English, the texts themselves (""), and each translation
// that i18n/LINGUAS lists.
const QStringList kLanguages
    = QStringList { "" } + QString(TESSERA_LANGUAGES).split(' ', Qt::SkipEmptyParts);
class LanguageTest : public AppTest, public testing::WithParamInterface<QString> {
protected:
    void SetUp() override
    {
        m_translations.emplace(GetParam());
        ASSERT_EQ(m_translations->Language(), GetParam());
        m_translations->Install();
        Reopen();
    }
    void TearDown() override { m_pDlg.reset(); }
    std::optional<CTranslations> m_translations;
};
INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, testing::ValuesIn(kLanguages),
    [](const auto& info) { return info.param.isEmpty() ? "en" : info.param.toStdString(); });

// The language is chosen as gettext chooses it: the C locale means English whatever LANGUAGE
// says, and otherwise the first language listed that the game has.
TEST(LanguageChoice, FollowsTheLocaleRulesOfGettext)
{
    const struct {
        CTranslations::LocaleEnvironment environment; // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QString expected;
    } cases[] = {
        { { "", "", "", "de_DE.UTF-8" }, "de" },
        { { "fr:de", "", "", "de_DE.UTF-8" }, "fr" },
        { { "fr:de", "", "", "" }, "" },
        { { "de", "", "", "C" }, "" },
        { { "de", "POSIX", "", "" }, "" },
        { { "fr:de", "C", "", "de_DE.UTF-8" }, "" },
        { { "", "C", "fr_FR.UTF-8", "de_DE.UTF-8" }, "" },
        { { "de", "", "", "C.UTF-8" }, "de" },
        { { "", "", "fr_FR.UTF-8", "de_DE.UTF-8" }, "fr" },
        { { "fr", "de_DE.UTF-8", "", "" }, "fr" },
        { { "", "", "", "pt_PT.UTF-8" }, "pt_BR" },
        { { "", "", "", "es_MX.UTF-8" }, "es" },
        { { "", "", "", "de_AT.UTF-8@euro" }, "de" },
        { { "ja:de", "", "", "ja_JP.UTF-8" }, "de" },
        { { "en_GB:de", "", "", "en_GB.UTF-8" }, "" },
        { { "", "", "", "sr_RS.UTF-8" }, "" },
    };
    for (const auto& [environment, expected] : cases)
        EXPECT_EQ(CTranslations::PlayerLanguage(environment), expected)
            << "LANGUAGE=" << environment.language.toStdString()
            << " LC_ALL=" << environment.lcAll.toStdString()
            << " LC_MESSAGES=" << environment.lcMessages.toStdString()
            << " LANG=" << environment.lang.toStdString();
}

TEST_F(MainDlgTest, WindowHasItsCaptionFixedSizeAndTheBoardAsFirstStop)
{
    CMainDlg& dlg = Dlg();
    EXPECT_EQ(dlg.windowTitle(), "Lumen: Tessera Tetrad");
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_FALSE(dlg.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dlg.windowIcon().isNull());
    EXPECT_EQ(Board().size(), QSize(400, 400));
    EXPECT_FALSE(CreateButton().isDefault());
    EXPECT_FALSE(CreateButton().autoDefault());

    // Tab goes from the board through the panel in id order and back.
    const char* order[]
        = { "1008", "1001", "1002", "1003", "1004", "1005", "1006", "1007", "1008" };
    dlg.m_cmbComputerSkill.setEnabled(true);
    dlg.m_cmbFirstPlayer.setEnabled(true);
    EXPECT_EQ(dlg.focusWidget(), &Board());
    QWidget* pWidget = &Board();
    for (size_t i = 1; i < std::size(order); ++i) {
        do
            pWidget = pWidget->nextInFocusChain();
        while (!(pWidget->focusPolicy() & Qt::TabFocus));
        EXPECT_EQ(pWidget->objectName(), order[i]) << "after " << order[i - 1];
    }
}

// The layout fills the client area below the menu bar, and no text is cut off in the
// platform's dialog font, in any language: every entry of every list (with four players, so
// that the lists hold them all) and every item of the menu bar included.
TEST_P(LanguageTest, LayoutFitsBelowTheMenuBarWithNoTextCut)
{
    CMainDlg& dlg = Dlg();
    dlg.show();
    Choose(dlg.m_cmbPlayers, 2);
    const QMenuBar* pBar = dlg.findChild<QMenuBar*>("129");
    ASSERT_TRUE(pBar);
    const QRect client = dlg.rect().adjusted(0, pBar->geometry().bottom() + 1, 0, 0);
    for (QWidget* pChild : dlg.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (pChild == pBar || pChild->isWindow())
            continue;
        EXPECT_TRUE(client.contains(pChild->geometry()))
            << pChild->metaObject()->className() << " " << pChild->objectName().toStdString();
    }

    ExpectTextsWhole(dlg);
    for (QAction* pItem : pBar->actions())
        EXPECT_TRUE(pBar->rect().contains(pBar->actionGeometry(pItem)))
            << pItem->text().toStdString();
}

// Every score line of every board size shows whole inside the Settings frame, clear of
// "Create New Game": the lines that fit in the window's font keep it, the longer ones are
// drawn in the largest font that fits, and none is taken for markup; in every language.
TEST_P(LanguageTest, EveryScoreLineShowsWholeInsideTheFrame)
{
    CMainDlg& dlg = Dlg();
    dlg.show();
    const auto* pGroup = dlg.findChild<QGroupBox*>();
    ASSERT_TRUE(pGroup);
    const QRect frame = pGroup->geometry();
    const QRect button = CreateButton().geometry();
    const CScoreLabel* labels[]
        = { &dlg.m_lblWhite, &dlg.m_lblBlack, &dlg.m_lblRed, &dlg.m_lblGreen };
    for (const CScoreLabel* pLabel : labels) {
        EXPECT_EQ(pLabel->textFormat(), Qt::PlainText);
        EXPECT_TRUE(frame.contains(pLabel->geometry())) << pLabel->objectName().toStdString();
        EXPECT_FALSE(button.intersects(pLabel->geometry())) << pLabel->objectName().toStdString();
    }

    for (const int n : { 8, 10, 20, 40 }) {
        // The widest lines: a colour holding every cell while it is to move.
        for (int colour = kWhite; colour <= kGreen; ++colour) {
            Lay(4, colour, Rows(n, std::string(n, "WBRG"[colour - 1])));
            const CScoreLabel& label = *labels[colour - 1];
            const QString text = label.text();
            ASSERT_EQ(text.count(QString::number(n * n)), 2) << text.toStdString();
            const QFont fitted = label.FittedFont();
            const int nWidth = label.contentsRect().width();
            EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(text), nWidth) << text.toStdString();
            EXPECT_LE(QFontMetrics(fitted).height(), label.height()) << text.toStdString();
            if (fitted != label.font()) {
                QFont larger = fitted;
                larger.setPixelSize(QFontInfo(fitted).pixelSize() + 1);
                EXPECT_GT(QFontMetrics(larger).horizontalAdvance(text), nWidth)
                    << text.toStdString();
            }
            if (n == 8) {
                EXPECT_EQ(fitted, label.font()) << text.toStdString();
            }
            // And it is drawn so: as a plain label in the fitted font draws it.
            QLabel plain(text, &dlg);
            plain.setFont(fitted);
            plain.setAlignment(label.alignment());
            plain.setGeometry(label.geometry());
            EXPECT_TRUE(const_cast<CScoreLabel&>(label).grab().toImage() == plain.grab().toImage())
                << text.toStdString();
        }
    }
}

// The About box, the "How to play" window (within the screen), and every pass and result
// message, PROBLEM and the socket failure in real boxes (the caption no wider than the box,
// the box within the screen) show each text whole, in every language.
TEST_P(LanguageTest, AboutHelpAndMessagesShowWhole)
{
    CAboutDlg about(&Dlg());
    CHelpWnd help;
    for (QWidget* pWindow : { static_cast<QWidget*>(&about), static_cast<QWidget*>(&help) }) {
        pWindow->show();
        ExpectTextsWhole(*pWindow);
    }
    EXPECT_LE(help.frameGeometry().height(), help.screen()->availableGeometry().height());

    std::vector<Message> messages = { { FlowTr(kNoWinnerText), FlowTr(kNoWinnerCaption) },
        { FlowTr(kProblemText), FlowTr(kProblemText) },
        { AppTexts::Tr(AppTexts::kSocketFailure), "tessera" } };
    for (const char* pColour : kColourNames) {
        const QString won = FlowTr(kWonFormat).arg(FlowTr(pColour));
        messages.push_back({ won, won });
        messages.push_back({ FlowTr(kPassFormat).arg(FlowTr(pColour)), FlowTr(kPassCaption) });
    }
    SetMessageHook(nullptr);
    for (const Message& message : messages) {
        QString seen;
        SetMessageClock(
            [&] {
                if (QMessageBox* pBox = OpenBox(); pBox && seen.isNull()) {
                    seen = pBox->text();
                    ExpectTextsWhole(*pBox);
                    QFont bold = pBox->font();
                    bold.setBold(true);
                    EXPECT_LT(
                        QFontMetrics(bold).horizontalAdvance(pBox->windowTitle()), pBox->width());
                    EXPECT_LE(
                        pBox->frameGeometry().width(), pBox->screen()->availableGeometry().width());
                    pBox->done(QMessageBox::Ok);
                }
            },
            1);
        ShowMessage(message.text, message.caption,
            message.caption == "tessera" ? MessageIcon::Exclamation : MessageIcon::None);
        EXPECT_EQ(seen, message.text);
    }
}

// What the game says as it goes is in the player's language, colour names included: the
// rebuilt lists, the board's name for a screen reader, a pass message and a score line.
TEST_P(LanguageTest, TheGameSpeaksTheLanguage)
{
    SetRandomFirstPlayer(false);
    Lay(2, kWhite, kNobodyCanMove);
    QStringList said = Items(Dlg().m_cmbFirstPlayer) + Items(Dlg().m_cmbComputerPlayers);
    said << QAccessible::queryAccessibleInterface(&Board())->text(QAccessible::Name);
    ClickCell(2, 0);
    Tick(2);
    for (const Message& message : m_messages)
        said << message.text << message.caption;
    said << Dlg().m_lblBlack.text();
    const QRegularExpression english("White|Black|Players|Playing|to move|Choise");
    EXPECT_EQ(said.join(' ').contains(english), GetParam().isEmpty())
        << said.join('|').toStdString();

    // The counted word for 1, 2, 5, 22 and 25 discs: three forms in Polish and Russian, where
    // the move names its discs and the cell the discs it turns.
    const QStringList forms = GetParam() == "pl"
        ? QStringList(2, "pionek pionki pionków pionki pionków")
        : GetParam() == "ru"
        ? QStringList { "фишка фишки фишек фишки фишек", "фишку фишки фишек фишки фишек" }
        : QStringList();
    QStringList moves, cells;
    for (const int n : { 1, 2, 5, 22, 25 }) {
        moves << FlowTr(kMoveAnnouncementFormat, n).section(' ', -1);
        cells << ViewTr(kLegalCellFormat, n).section(' ', -1);
    }
    const QStringList counted = { moves.join(' '), cells.join(' ') };
    EXPECT_TRUE(forms.isEmpty() || counted == forms)
        << moves.join(' ').toStdString() << " / " << cells.join(' ').toStdString();
}

TEST_F(MainDlgTest, MenuBarHoldsGameAndAboutAndBindsNoKeys)
{
    const QMenuBar* pBar = Dlg().findChild<QMenuBar*>("129");
    ASSERT_TRUE(pBar);
    QStringList bar;
    for (QAction* pAction : pBar->actions())
        bar << pAction->text();
    EXPECT_EQ(bar, QStringList({ "&Game", "About" }));
    EXPECT_EQ(pBar->actions()[1]->menu(), nullptr);

    QStringList game;
    for (QAction* pAction : pBar->actions()[0]->menu()->actions())
        game << (pAction->isSeparator() ? "-" : pAction->text());
    EXPECT_EQ(game, QStringList({ "&Open\tCtrl-O", "&Save\tCtrl-S", "-", "&Exit\tCtrl-X" }));
    for (QAction* pAction : Dlg().findChildren<QAction*>()) {
        EXPECT_TRUE(pAction->isEnabled()) << pAction->text().toStdString();
        EXPECT_TRUE(pAction->shortcuts().isEmpty()) << pAction->text().toStdString();
    }
    EXPECT_TRUE(Dlg().findChildren<QShortcut*>().isEmpty());
}

TEST_F(MainDlgTest, OpenSaveAndTheirKeysChangeNothing)
{
    CMainDlg& dlg = Dlg();
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    ClickCell(4, 2);
    const Rows played = Grid();
    const unsigned generation = Board().m_nGeneration;

    for (const char* id : { "1008", "1001", "1005", "1007" }) {
        Control(dlg, id).setFocus();
        for (Qt::Key key : { Qt::Key_O, Qt::Key_S, Qt::Key_X })
            QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }
    dlg.findChild<QAction*>(QString::number(CMainDlg::kIdOpen))->trigger();
    dlg.findChild<QAction*>(QString::number(CMainDlg::kIdSave))->trigger();

    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(Grid(), played);
    EXPECT_EQ(Board().m_nGeneration, generation);
    EXPECT_EQ(dlg.m_cmbPlayers.currentIndex(), 0);
    EXPECT_TRUE(dlg.m_chkRandomFirstPlayer.isChecked());
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Enter means OK unless the focus is on Create New Game, which it presses; Escape, the
// close box and Exit end the window too. Whichever way, the clock stops with it. While a
// screen reader runs, Enter and Escape first ask, and No keeps the game.
TEST_F(MainDlgTest, KeysAndExitEndTheWindowOrPressTheFocusedButton)
{
    enum class Way { Key, Exit, CloseBox };
    enum class Reader { Off, SaysNo, SaysYes };
    struct Case {
        Way way;
        const char* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int result; // -1: the window stays open
        Reader reader = Reader::Off;
    };
    const Case cases[] = {
        { Way::Key, "1008", Qt::Key_Return, {}, QDialog::Accepted },
        { Way::Key, "1008", Qt::Key_Escape, {}, QDialog::Rejected },
        { Way::Key, "1001", Qt::Key_Return, {}, QDialog::Accepted },
        { Way::Key, "1005", Qt::Key_Enter, Qt::KeypadModifier, QDialog::Accepted },
        { Way::Key, "1002", Qt::Key_Escape, {}, QDialog::Rejected },
        { Way::Key, "1007", Qt::Key_Escape, {}, QDialog::Rejected },
        { Way::Key, "1007", Qt::Key_Return, {}, -1 },
        { Way::Key, "1007", Qt::Key_Enter, Qt::KeypadModifier, -1 },
        { Way::Exit, "1008", Qt::Key_unknown, {}, QDialog::Accepted },
        { Way::CloseBox, "1008", Qt::Key_unknown, {}, QDialog::Rejected },
        { Way::Key, "1008", Qt::Key_Return, {}, -1, Reader::SaysNo },
        { Way::Key, "1008", Qt::Key_Enter, Qt::KeypadModifier, -1, Reader::SaysNo },
        { Way::Key, "1002", Qt::Key_Escape, {}, -1, Reader::SaysNo },
        { Way::Key, "1008", Qt::Key_Escape, {}, QDialog::Rejected, Reader::SaysYes },
        { Way::Key, "1007", Qt::Key_Return, {}, -1, Reader::SaysNo },
        { Way::Exit, "1008", Qt::Key_unknown, {}, QDialog::Accepted, Reader::SaysNo },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.focus << " key " << c.key << " way " << int(c.way)
                                        << " reader " << int(c.reader));
        Reopen();
        CMainDlg& dlg = Dlg();
        dlg.show();
        dlg.m_gameClock.start();
        dlg.setResult(-1);
        ClickCell(4, 2);
        const unsigned generation = Board().m_nGeneration;
        Control(dlg, c.focus).setFocus();
        int nQuestions = 0;
        SetScreenReaderForTests(c.reader != Reader::Off);
        SetQuestionHook([&](const QString&, const QString&) {
            ++nQuestions;
            return c.reader == Reader::SaysYes;
        });

        switch (c.way) {
        case Way::Key:
            QTest::keyClick(&Control(dlg, c.focus), c.key, c.modifiers);
            break;
        case Way::Exit:
            dlg.findChild<QAction*>(QString::number(CMainDlg::kIdExit))->trigger();
            break;
        case Way::CloseBox:
            dlg.close();
            break;
        }
        SetScreenReaderForTests(false);
        SetQuestionHook(nullptr);

        const bool bNewGame = std::string_view(c.focus) == "1007";
        EXPECT_EQ(nQuestions, c.reader != Reader::Off && c.way == Way::Key && !bNewGame);
        if (c.result < 0) {
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_EQ(Board().m_nGeneration, generation + bNewGame);
            if (bNewGame) {
                EXPECT_EQ(Grid(), kStart8[0]);
            }
            EXPECT_TRUE(dlg.m_gameClock.isActive());
        } else {
            EXPECT_FALSE(dlg.isVisible());
            EXPECT_EQ(dlg.result(), c.result);
            EXPECT_FALSE(dlg.m_gameClock.isActive());
        }
        EXPECT_TRUE(m_messages.empty());
    }
}

// A menu opened with the mouse and left with Right or Left leaves a bar item highlighted.
// Escape then leaves the bar, and only the next Escape ends the program. Any other key the
// bar does not take leaves the bar as well and ends nothing (such keys once bounced between
// the bar and the window until the stack ran out); Space the bar takes and keeps its item.
TEST_F(MainDlgTest, KeysInTheMenuBarLeaveOnlyTheMenuBar)
{
    struct Case {
        Qt::Key arrow;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool bStaysInBar = false;
    };
    const Case cases[] = {
        { Qt::Key_Right, Qt::Key_Escape, {} },
        { Qt::Key_Left, Qt::Key_Escape, {} },
        { Qt::Key_Right, Qt::Key_A, {} },
        { Qt::Key_Left, Qt::Key_G, {} },
        { Qt::Key_Right, Qt::Key_5, {} },
        { Qt::Key_Right, Qt::Key_F1, {} },
        { Qt::Key_Right, Qt::Key_Home, {} },
        { Qt::Key_Right, Qt::Key_End, {} },
        { Qt::Key_Right, Qt::Key_Delete, {} },
        { Qt::Key_Right, Qt::Key_Backspace, {} },
        { Qt::Key_Right, Qt::Key_A, Qt::ControlModifier },
        { Qt::Key_Right, Qt::Key_Space, {}, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "arrow " << c.arrow << " key " << c.key);
        Reopen();
        CMainDlg& dlg = Dlg();
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        dlg.setResult(-1);
        auto* pBar = dlg.findChild<QMenuBar*>("129");
        QAction* pGame = pBar->actions()[0];
        ClickThroughWindow(*pBar, pBar->actionGeometry(pGame).center());
        QWidget* pPopup = QApplication::activePopupWidget();
        ASSERT_TRUE(pPopup);
        QTest::keyClick(pPopup, c.arrow);
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
        ASSERT_EQ(pBar->activeAction(), pBar->actions()[1]);

        QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(pBar->activeAction() != nullptr, c.bStaysInBar);
        int nEscapes = 0;
        while (dlg.isVisible() && nEscapes < 3) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            ++nEscapes;
        }
        EXPECT_EQ(nEscapes, c.bStaysInBar ? 2 : 1);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
    }
}

// The About box blocks the main window only: a result message open with it, opened before
// or after it, is answered by a click while About stays open, and About closes after it.
TEST_F(MainDlgTest, AboutBoxAndAMessageAreAnsweredInEitherOrder)
{
    SetMessageHook(nullptr);
    const auto aboutBox
        = [] { return dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget()); };
    for (const bool bAboutFirst : { false, true }) {
        SCOPED_TRACE(bAboutFirst ? "About first" : "message first");
        Reopen();
        CMainDlg& dlg = Dlg();
        SetRandomFirstPlayer(false);
        Lay(2, kWhite, kWhiteTakesAll);
        ClickCell(2, 0);
        Tick();
        bool bBoxAnswered = false;
        bool bAboutOpenAfterBox = false;
        bool bBlockedClickIgnored = false;
        // Both open: the message is answered through the window system, which holds back
        // input from blocked windows; then About closes the same way.
        const auto answerBoth = [&] {
            QMessageBox* pBox = OpenBox();
            CAboutDlg* pAbout = aboutBox();
            ASSERT_TRUE(pBox);
            ASSERT_TRUE(pAbout);
            const Rows before = Grid();
            ClickThroughWindow(CreateButton(), CreateButton().rect().center());
            bBlockedClickIgnored = Grid() == before;
            QPushButton* pOk = pBox->findChild<QPushButton*>();
            ClickThroughWindow(*pOk, pOk->rect().center());
            bBoxAnswered = !pBox->isVisible();
            bAboutOpenAfterBox = pAbout->isVisible();
            QPushButton* pClose = pAbout->findChild<QPushButton*>();
            ClickThroughWindow(*pClose, pClose->rect().center());
        };
        QTimer::singleShot(0, [&] {
            if (bAboutFirst) {
                QTimer::singleShot(0, [&] {
                    // The last entry turns and opens the result message beside About.
                    QTimer::singleShot(0, answerBoth);
                    Tick();
                });
                dlg.OnAbout();
            } else {
                QTimer::singleShot(0, [&] {
                    QTimer::singleShot(0, answerBoth);
                    dlg.OnAbout();
                });
                Tick();
            }
            dlg.reject();
        });
        EXPECT_EQ(dlg.Run(), QDialog::Rejected);
        EXPECT_TRUE(bBoxAnswered);
        EXPECT_TRUE(bAboutOpenAfterBox);
        EXPECT_TRUE(bBlockedClickIgnored);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(OpenBox(), nullptr);
    }
}

// Opened from the menu bar, the About box sits over the main window and closes by its
// button, Enter and Escape.
TEST_F(MainDlgTest, AboutBoxOpensOverTheWindowAndCloses)
{
    enum class Way { Button, Enter, Escape };
    for (Way way : { Way::Button, Way::Enter, Way::Escape }) {
        SCOPED_TRACE(int(way));
        CMainDlg& dlg = Dlg();
        dlg.show();
        bool bSeen = false;
        QTimer::singleShot(0, [&] {
            auto* pAbout = dynamic_cast<CAboutDlg*>(QApplication::activeModalWidget());
            ASSERT_TRUE(pAbout);
            bSeen = true;
            EXPECT_EQ(pAbout->windowTitle(), "About Lumen Tessera");
            EXPECT_EQ(pAbout->parentWidget(), &dlg);
            EXPECT_LE((pAbout->geometry().center() - dlg.geometry().center()).manhattanLength(), 4);
            const QLabel* pPicture = pAbout->findChild<QLabel*>("picture");
            ASSERT_TRUE(pPicture);
            EXPECT_EQ(pPicture->pixmap().size(), QSize(300, 170));
            EXPECT_FALSE(pPicture->pixmap().hasAlphaChannel());
            QPushButton* pClose = pAbout->findChild<QPushButton*>();
            ASSERT_TRUE(pClose);
            EXPECT_EQ(pClose->text(), "&Close");
            EXPECT_TRUE(pClose->isDefault());
            switch (way) {
            case Way::Button:
                QTest::mouseClick(pClose, Qt::LeftButton);
                break;
            case Way::Enter:
                QTest::keyClick(pAbout, Qt::Key_Return);
                break;
            case Way::Escape:
                QTest::keyClick(pAbout, Qt::Key_Escape);
                break;
            }
        });
        dlg.findChild<QAction*>(QString::number(CMainDlg::kIdAbout))->trigger();
        EXPECT_TRUE(bSeen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(dlg.isVisible());
    }
}

// F1 from any control shows the one "How to play" window beside the game, which takes input
// meanwhile; Escape and "&Close" close the window, never the game.
TEST_F(MainDlgTest, F1ShowsHowToPlayBesideTheGame)
{
    CMainDlg& dlg = Dlg();
    dlg.show();
    const auto help = [] {
        for (QWidget* pWindow : QApplication::topLevelWidgets())
            if (auto* pHelp = dynamic_cast<CHelpWnd*>(pWindow))
                return pHelp;
        return static_cast<CHelpWnd*>(nullptr);
    };
    for (const char* focus : { "1008", "1001", "1005", "1007" }) {
        SCOPED_TRACE(focus);
        Control(dlg, focus).setFocus();
        QTest::keyClick(&Control(dlg, focus), Qt::Key_F1);
        CHelpWnd* pHelp = help();
        ASSERT_TRUE(pHelp);
        EXPECT_TRUE(pHelp->isVisible());
        EXPECT_EQ(pHelp->windowTitle(), "How to play");
        // A screen reader reads a dialog's text out as it opens.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(pHelp)->role(), QAccessible::Dialog);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        if (focus[3] == '5')
            QTest::mouseClick(pHelp->findChild<QPushButton*>(), Qt::LeftButton);
        else
            QTest::keyClick(pHelp, Qt::Key_Escape);
        EXPECT_FALSE(pHelp->isVisible());
        EXPECT_TRUE(dlg.isVisible());
    }
    ClickCell(4, 2);
    EXPECT_EQ(Grid()[2], "....W...");
}

// A screen reader reads each list as its label, the label's buddy too, with the entry as its
// value and text, and hears the entry a player chooses; the main window is the application's
// frame.
TEST_F(MainDlgTest, ListsCarryTheirLabelsAndEntriesForScreenReaders)
{
    const std::pair<const char*, const char*> lists[]
        = { { "1001", "Players:" }, { "1002", "Map Size:" }, { "1003", "Computer Players:" },
              { "1004", "Computer Player Inteligence:" }, { "1006", "First Player:" } };
    Dlg().m_cmbComputerSkill.setEnabled(true);
    Dlg().m_cmbFirstPlayer.setEnabled(true);
    for (const auto& [id, label] : lists) {
        auto& list = static_cast<QComboBox&>(Control(Dlg(), id));
        EXPECT_EQ(list.accessibleName(), label);
        int buddies = 0;
        for (QLabel* pLabel : Dlg().findChildren<QLabel*>())
            buddies += pLabel->buddy() == &list && pLabel->text() == label;
        EXPECT_EQ(buddies, 1) << label;

        Heard heard;
        Choose(list, 1);
        EXPECT_EQ(heard, QStringList { list.itemText(1) });
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&list);
        EXPECT_EQ(reader->role(), QAccessible::ComboBox);
        EXPECT_EQ(reader->text(QAccessible::Name), label);
        EXPECT_EQ(reader->text(QAccessible::Value), list.itemText(1));
        ASSERT_TRUE(reader->textInterface());
        EXPECT_EQ(reader->textInterface()->text(0, reader->textInterface()->characterCount()),
            list.itemText(1));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Dlg())->role(), QAccessible::Window);
}

// The About box's own loop keeps serving the game clock: discs go on turning behind it.
// The clock runs flat out here, and the box closes once the move has turned (or after
// enough rounds of its loop to show that it never will).
TEST_F(MainDlgTest, GameClockGoesOnBehindTheAboutBox)
{
    SetRandomFirstPlayer(false);
    Lay(2, kWhite,
        { "WBBBBB..", "........", "........", "........", "........", "........", "........",
            "BW......" });
    ClickCell(6, 0);
    ASSERT_EQ(Board().m_flips.GetCount(), 6);
    Dlg().m_gameClock.start(0);

    int rounds = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* pAbout = QApplication::activeModalWidget();
        if (pAbout && (Board().m_flips.IsEmpty() || ++rounds > 10000))
            pAbout->close();
    });
    watch.start(0);
    Dlg().OnAbout();
    Dlg().m_gameClock.stop();

    EXPECT_TRUE(Board().m_flips.IsEmpty());
    EXPECT_EQ(Grid()[0], "WWWWWWW.");
    EXPECT_EQ(Board().m_nCurrentPlayer, kBlack);
}

// A new game pressed while a pass message is open is not advanced by the old game's tick
// once the message closes.
TEST_F(MainDlgTest, NewGameDuringAPassMessageIsLeftAlone)
{
    SetRandomFirstPlayer(false);
    Lay(2, kWhite, kNobodyCanMove);
    m_whileOpen = [&](const Message&) {
        if (m_messages.size() == 1)
            Press();
    };
    // White's (2, 0) has two entries; the second tick opens the first message.
    ClickCell(2, 0);
    Tick(2);

    EXPECT_EQ(m_messages, Messages({ Pass("Black") }));
    EXPECT_EQ(Grid(), kStart8[0]);
    EXPECT_EQ(Board().m_nCurrentPlayer, kWhite);
    EXPECT_EQ(Board().m_bAwaitingClick, 1);
    Tick(5);
    EXPECT_EQ(Board().m_nCurrentPlayer, kWhite);
    EXPECT_EQ(m_messages.size(), 1u);
}

// Closing the window under an open pass or result message ends everything there: the
// message closes, the waiting tick goes no further (no more messages), the clock stops, and
// once the window is gone no tick reaches a board.
TEST_F(MainDlgTest, ClosingTheWindowUnderAMessageEndsCleanly)
{
    enum class Way { Escape, CloseBox, Exit, Enter };
    struct Case {
        const Rows& rows;
        Message first;
        Way way;
        int result;
    };
    const Case cases[] = {
        { kNobodyCanMove, Pass("Black"), Way::Escape, QDialog::Rejected },
        { kNobodyCanMove, Pass("Black"), Way::CloseBox, QDialog::Rejected },
        { kNobodyCanMove, Pass("Black"), Way::Exit, QDialog::Accepted },
        { kNobodyCanMove, Pass("Black"), Way::Enter, QDialog::Accepted },
        { kWhiteTakesAll, Won("White"), Way::Escape, QDialog::Rejected },
        { kWhiteTakesAll, Won("White"), Way::Exit, QDialog::Accepted },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.way) << " " << c.first.text.toStdString());
        Reopen();
        CMainDlg& dlg = Dlg();
        dlg.show();
        dlg.m_gameClock.start();
        Lay(2, kWhite, c.rows);
        m_whileOpen = [&](const Message&) {
            switch (c.way) {
            case Way::Escape:
                QTest::keyClick(&Board(), Qt::Key_Escape);
                break;
            case Way::CloseBox:
                dlg.close();
                break;
            case Way::Exit:
                dlg.findChild<QAction*>(QString::number(CMainDlg::kIdExit))->trigger();
                break;
            case Way::Enter:
                QTest::keyClick(&Board(), Qt::Key_Return);
                break;
            }
        };
        // White's (2, 0) has two entries; the second tick opens the first message.
        ClickCell(2, 0);
        Tick(2);
        m_whileOpen = nullptr;

        EXPECT_EQ(m_messages, Messages({ c.first }));
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), c.result);
        EXPECT_FALSE(dlg.m_gameClock.isActive());
        m_pDlg.reset();
        EXPECT_EQ(g_pBoard, nullptr);
        Tick(3);
        EXPECT_EQ(m_messages.size(), 1u);
    }
}

// The same with a real box on screen: the window's end closes it, and the window's own
// loop returns.
TEST_F(MainDlgTest, ClosingTheWindowClosesARealMessageBox)
{
    SetMessageHook(nullptr);
    CMainDlg& dlg = Dlg();
    Lay(2, kWhite, kNobodyCanMove);
    ClickCell(2, 0);
    Tick();
    bool bBoxSeen = false;
    QTimer::singleShot(0, [&] {
        // The last entry turns and opens Black's pass message in a box of its own.
        QTimer::singleShot(0, [&] {
            bBoxSeen = OpenBox() != nullptr;
            dlg.reject();
        });
        Tick();
    });
    EXPECT_EQ(dlg.Run(), QDialog::Rejected);
    EXPECT_TRUE(bBoxSeen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A real pass box blocks neither the window nor its board: a click on the board places
// nothing (the snapshot is the passing colour's), and "Create New Game" starts a game while
// the box is still open.
TEST_F(MainDlgTest, WindowStaysUsableUnderARealMessageBox)
{
    SetMessageHook(nullptr);
    SetRandomFirstPlayer(false);
    CMainDlg& dlg = Dlg();
    Lay(2, kWhite, kNobodyCanMove);
    ClickCell(2, 0);
    Tick();
    const Rows afterWhite = { "WWW.....", "........", "........", "........", "........",
        "........", "........", "B......W" };
    QMessageBox* pBox = nullptr;
    Rows gridAfterBoardClick;
    Rows gridAfterPress;
    bool bBoxOpenAfterPress = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            pBox = OpenBox();
            // Through the window system, which holds back input from a blocked window; a
            // click sent to the widget would pass whatever the modality.
            const int cell = CBoardCtrl::kBoardPixels / 8;
            ClickThroughWindow(Board(), QPoint(3 * cell + cell / 2, cell / 2));
            gridAfterBoardClick = Grid();
            ClickThroughWindow(CreateButton(), CreateButton().rect().center());
            gridAfterPress = Grid();
            bBoxOpenAfterPress = pBox && pBox->isVisible();
            dlg.reject();
        });
        Tick();
    });
    EXPECT_EQ(dlg.Run(), QDialog::Rejected);
    ASSERT_TRUE(pBox);
    EXPECT_EQ(gridAfterBoardClick, afterWhite);
    EXPECT_EQ(gridAfterPress, kStart8[0]);
    EXPECT_TRUE(bBoxOpenAfterPress);
}

} // namespace
