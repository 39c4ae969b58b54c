#include "shell/main_window.h"

#include "course/layout.h"
#include "course/page_table.h"
#include "course/typing_stats.h"
#include "dialogs/lesson_dialogs.h"
#include "dialogs/notices.h"
#include "dialogs/practice_dialogs.h"
#include "dialogs/settings_sheet.h"
#include "display/bitmaps.h"
#include "display/hand.h"
#include "display/keymap.h"
#include "flow/dictation.h"
#include "flow/page_change.h"
#include "flow/screen.h"
#include "platform/cp1252.h"
#include "report/line_report.h"
#include "session/file_commands.h"
#include "shell/fonts.h"
#include "shell/page_accessible.h"
#include "shell/typing_area.h"
#include "tutor.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMoveEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTextCharFormat>

#include <functional>

namespace {

// Program-wide preferences.
const QString kSettings = QStringLiteral("tastora");
const QString kMarkErrors = QStringLiteral("markErrors");
constexpr int kStatusMs = 250;

// A wrong character in the typing area: red, and underlined for those who do not see red.
QTextCharFormat WrongCharacterFormat()
{
    QTextCharFormat format;
    format.setForeground(QColor(0xC0, 0, 0));
    format.setFontUnderline(true);
    return format;
}

}  // namespace

MainWindow::MainWindow(Speaker& speaker, Clock& clock, Dialogs& dialogs, const Resources& resources)
    : tutor_({speaker, clock, dialogs, *this, *this}, resources), client_(new ClientArea(tutor_, this)),
      edit_(new ::TypingArea(client_)), status_(new QLabel(this))
{
    setCentralWidget(client_);
    status_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(status_, 1);
    // The figures are shown a few times a second, not at every key: writing the bar anew
    // would cost as much as the rest of a key.
    statusDue_.setSingleShot(true);
    statusDue_.setInterval(kStatusMs);
    connect(&statusDue_, &QTimer::timeout, this, &MainWindow::ShowStatus);
    edit_->setFrameShape(QFrame::StyledPanel);
    edit_->setFrameShadow(QFrame::Sunken);
    edit_->setTabChangesFocus(false);
    edit_->setAccessibleName(QStringLiteral("Schreibfeld"));   // what a screen reader calls it
    BuildMenu();
}

// Each row of the menu carries its command; a row with a popup title starts that popup, a row
// without text is a separator. Every command ends by showing what it drew.
void MainWindow::BuildMenu()
{
    struct Row {
        const char* popup;
        const char* text;
        std::function<void()> run;
        QAction** checkMark = nullptr;   // an item with a check mark: where its action is kept
        QKeySequence shortcut = {};
    };
    // clang-format off
    const Row rows[] = {
        {"&Datei",      "&Neu...",              [this] { FileNew(tutor_); }, nullptr, Qt::CTRL | Qt::Key_N},
        {nullptr,       "&Öffnen...",           [this] { FileOpen(tutor_); }, nullptr, Qt::CTRL | Qt::Key_O},
        {nullptr,       "&Speichern",           [this] { FileSave(tutor_); }, nullptr, Qt::CTRL | Qt::Key_S},
        {nullptr,       "Speichern &Unter...",  [this] { FileSaveAs(tutor_); }, nullptr, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
        {},
        {nullptr,       "Seite Einrichten...",  [this] { printing_.Setup(); }},
        {nullptr,       "&Drucken...",          [this] { printing_.PrintTypedText(edit_->toPlainText()); }, nullptr,
                                                Qt::CTRL | Qt::Key_P},
        {},
        {nullptr,       "&Beenden",             [this] { close(); }, nullptr, Qt::CTRL | Qt::Key_Q},
        {"&Bearbeiten", "Ausschneiden\tCtrl+X", [this] { edit_->cut(); }},
        {nullptr,       "&Kopieren\tCtrl+C",    [this] { edit_->copy(); }},
        {nullptr,       "&Einfügen\tCtrl+V",    [this] { edit_->paste(); }},
        {nullptr,       "Löschen\tDel",         [this] { edit_->textCursor().removeSelectedText(); }},
        {"&Lehrgang",   "Inhaltsverzeichnis",   [this] { dialogs::ShowContents(tutor_, this); }, nullptr, Qt::Key_F1},
        {},
        {nullptr,       "Linke Hand",           [this] { SwitchHand(true); }, &leftHand_},
        {nullptr,       "Rechte Hand",          [this] { SwitchHand(false); }, &rightHand_},
        {nullptr,       "Einstellungen...",     [this] { dialogs::ShowSettingsSheet(tutor_, this); }},
        {},
        {nullptr,       "Start Übung 1",        [this] { StartLesson1(); }},
        {nullptr,       "&Geh Zu Übung...",     [this] { dialogs::ShowGoTo(tutor_, this); }},
        {nullptr,       "&Erfolgskontrolle",    [this] { dialogs::ShowStatistics(tutor_, this); }},
        {nullptr,       "&Xaver",               [this] { WriteLineReport(tutor_); }},
        {},
        {nullptr,       "Freies Ü&ben",         [this] { PractiseWords(); }},
        {nullptr,       "Eigener &Text...",     [this] { dialogs::PractiseOwnText(tutor_, this); }},
        {nullptr,       "&Fortschritt...",      [this] { history_.ShowProgress(tutor_); }},
        {nullptr,       "Fehler &markieren",    [this] { MarkErrors(markErrors_->isChecked()); }, &markErrors_},
        {},
        {nullptr,       "Info über Tastora",    [this] { dialogs::ShowAbout(this); }},
    };
    // clang-format on
    QMenu* popup = nullptr;
    for (const Row& row : rows) {
        if (row.popup) {
            popup = menuBar()->addMenu(QString::fromUtf8(row.popup));
            connect(popup, &QMenu::aboutToShow, this, [this] { OnMenuOpened(tutor_); });
        }
        if (!row.text) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromUtf8(row.text));
        connect(action, &QAction::triggered, this, [this, run = row.run] {
            run();
            ShowChanges();
        });
        action->setShortcut(row.shortcut);
        if (row.checkMark) {
            action->setCheckable(true);
            *row.checkMark = action;
        }
    }
    ShowHand(true);
    markErrors_->setChecked(QSettings(kSettings).value(kMarkErrors, true).toBool());
}

// Free practice weighs the keys by the learner's whole history, read when it begins.
void MainWindow::PractiseWords()
{
    tutor_.practice.history = history_.KeyTotals(tutor_);
    dialogs::PractiseWords(tutor_, this);
}

void MainWindow::MarkErrors(bool mark)
{
    QSettings(kSettings).setValue(kMarkErrors, mark);
}

void MainWindow::KeyHandled(const TypedKey* typed)
{
    if (typed) {
        // The typing area writes the character with the format chosen here.
        const bool wrong = typed->outcome.counted && !typed->outcome.correct;
        const QTextCharFormat format = wrong && markErrors_->isChecked() ? WrongCharacterFormat() : QTextCharFormat();
        if (edit_->currentCharFormat() != format)
            edit_->setCurrentCharFormat(format);
        if (typed->finished)
            history_.Keep(*typed->finished);
        if (typed->otherLayout)
            dialogs::WarnOfOtherLayout(this);
    }
    ShowChanges();
}

bool MainWindow::Create()
{
    ShowCaption(tutor_.shell.szFileName.empty() ? std::string() : tutor_.shell.szTitleName);
    ShowHand(tutor_.course.bLeftHand);
    if (!CreateBitMaps(tutor_)) {
        Fatal();
        return false;
    }
    UseFontSize(tutor_);
    SetKeyRects(tutor_);
    ShowStatus();
    edit_->setFocus();
    return true;
}

void MainWindow::Fatal()
{
    tutor_.dialogs.ShowMessage({"Unfortunately, due to the reported errors the application must terminate.",
                                "FATAL ERROR", BoxIcon::Exclamation, false});
}

void MainWindow::ShowCaption(const std::string& fileName)
{
    setWindowTitle(fileName.empty() ? QStringLiteral("Tastora") : cp1252::ToQStringWithFileName("Tastora -- %s", fileName));
}

void MainWindow::ShowHand(bool left)
{
    leftHand_->setChecked(left);
    rightHand_->setChecked(!left);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (MayLeave(tutor_))
        event->accept();
    else
        event->ignore();
}

void MainWindow::UseTextFont(const QFont& font)
{
    edit_->setFont(font);
    ApplyMinimumSize();
    InvalidateClient();
}

// The course's smallest window, with the status bar below its client area.
Size MainWindow::MinimumOuterSize() const
{
    const Size minimum = FontSizeRowOf(tutor_.course.nFontSize).minimumWindow;
    return {minimum.width, minimum.height + statusBar()->sizeHint().height()};
}

void MainWindow::ApplyMinimumSize()
{
    const Size minimum = MinimumOuterSize();
    const QMargins frame = FrameMargins();
    setMinimumSize(minimum.width - frame.left() - frame.right(), minimum.height - frame.top() - frame.bottom());
}

QMargins MainWindow::FrameMargins() const
{
    const QRect outer = frameGeometry(), client = geometry();
    return {client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
            outer.bottom() - client.bottom()};
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        OnMainWindowActive(tutor_, isActiveWindow());
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    ApplyMinimumSize();
    PlaceAgainWhenTheFrameIsKnown();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    PlaceAgainWhenTheFrameIsKnown();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    PlaceAgainWhenTheFrameIsKnown();
}

namespace {

Rect ToRect(const QRect& rect)
{
    return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

// Under Wayland a window can neither be moved nor learn where it is (its place reads 0, 0).
bool PlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

void MainWindow::Place()
{
    PlaceWindow(tutor_.shell.rcWindow);
}

void MainWindow::PlaceWindow(const Rect& wanted)
{
    // The screen the window is on, else the primary one.
    const QScreen* screen = nullptr;
    for (const QScreen* each : QGuiApplication::screens())
        if (!screen && Intersects(ToRect(each->geometry()), wanted))
            screen = each;
    placement_ = FitWindowRect(wanted, ToRect((screen ? screen : QGuiApplication::primaryScreen())->availableGeometry()),
                               screen != nullptr, MinimumOuterSize());
    ApplyPlacement();
}

// The client's size is the outer window's less the frame known so far; without a frame yet,
// the window is placed again when one appears.
void MainWindow::ApplyPlacement()
{
    placedFrame_ = FrameMargins();
    placing_ = placedFrame_.isNull();
    ApplyMinimumSize();
    if (PlacesWindows())
        move(placement_.left, placement_.top);
    resize(placement_.width() - placedFrame_.left() - placedFrame_.right(),
           placement_.height() - placedFrame_.top() - placedFrame_.bottom());
}

// A window manager adds its frame only once the window is shown: the outer window would be
// the placement plus the frame, and grow on every save and reopen.
void MainWindow::PlaceAgainWhenTheFrameIsKnown()
{
    if (placing_ && FrameMargins() != placedFrame_)
        ApplyPlacement();
}

Rect MainWindow::WindowRect() const
{
    return KeptWindowRect(ToRect(frameGeometry()), placement_, PlacesWindows());
}

void MainWindow::InvalidateClient()
{
    client_->Invalidate();
}

void MainWindow::MoveTypingArea(const Rect& rect)
{
    edit_->setGeometry(rect.left, rect.top, rect.width(), rect.height());
}

// Only what the course drew since the last time is shown again: a typed key changes the
// hand and the caret, not the whole client.
void MainWindow::FlushScreen()
{
    client_->repaint(tutor_.screen.TakeChanged());
}

void MainWindow::ShowChanges()
{
    client_->update(tutor_.screen.TakeChanged());
    ReportPageChanges(client_);
    if (!statusDue_.isActive())
        statusDue_.start();
}

void MainWindow::ShowStatus()
{
    const pages::PageRecord* page = pages::CurrentPage(tutor_.course);
    const QString status = StatusText(tutor_.stats, tutor_.course, page && page->kind == pages::Kind::Exercise);
    if (status != status_->text())
        status_->setText(status);
}

void MainWindow::SwitchHand(bool left)
{
    ShowHand(tutor_.course.bLeftHand);
    if (tutor_.course.bLeftHand == left)
        return;
    tutor_.course.bLeftHand = left;
    if (!ChangeHand(tutor_)) {
        Fatal();
        QCoreApplication::exit(1);
        return;
    }
    ShowHand(left);
}

void MainWindow::StartLesson1()
{
    if (tutor_.course.nLesson != 0) {
        DrawKeyboard(tutor_);
        DrawHomeHand(tutor_);
    }
    tutor_.course.nLesson = 0;
    tutor_.course.nPage = 2;
    tutor_.course.practicing = Practice::None;
    ChangePage(tutor_, 0);
}
