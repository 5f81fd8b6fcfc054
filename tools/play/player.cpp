#include "tools/play/player.h"

#include "app/mainwindow.h"
#include "app/windowcatalog.h"
#include "platform/browsercontrol.h"
#include "platform/editbox.h"
#include "platform/keystrokes.h"
#include "platform/scriptedplatform.h"
#include "tools/play/controls.h"
#include "tools/play/eventwatch.h"
#include "tools/play/keynames.h"
#include "tools/play/menuwalk.h"
#include "tools/play/playtestwindow.h"
#include "tools/play/pointer.h"
#include "tools/play/scriptline.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>

namespace zerval {

namespace {

// A line the player cannot run: reported with its line number, counted as a failed check.
struct ScriptError {
    QString message;
};

[[noreturn]] void fail(const QString& message) {
    throw ScriptError{message};
}

QString quoted(const QString& text) {
    return QStringLiteral("«") + escapeText(text) + QStringLiteral("»");
}

QString className(const QWidget* window) {
    QString name = QString::fromLatin1(window->metaObject()->className());
    const qsizetype scope = name.lastIndexOf(QStringLiteral("::"));
    return scope < 0 ? name : name.mid(scope + 2);
}

int number(const QString& word, const QString& what) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok) fail(QStringLiteral("%1 must be a whole number, not \"%2\"").arg(what, word));
    return value;
}

// "#N" names an item by its index, counted from 0.
std::optional<int> itemIndex(const QString& word) {
    static const QRegularExpression index(QStringLiteral("^#(\\d+)$"));
    const QRegularExpressionMatch match = index.match(word);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured(1).toInt();
}

struct CellName {
    QString grid;
    int column = 0;
    int row = 0;
};

std::optional<CellName> cellName(const QString& name) {
    static const QRegularExpression cell(QStringLiteral("^(\\w+)\\[(\\d+),(\\d+)\\]$"));
    const QRegularExpressionMatch match = cell.match(name);
    if (!match.hasMatch()) return std::nullopt;
    return CellName{match.captured(1), match.captured(2).toInt(), match.captured(3).toInt()};
}

QString iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QStringLiteral("information");
    case MessageIcon::Warning:
        return QStringLiteral("warning");
    case MessageIcon::Error:
        return QStringLiteral("error");
    case MessageIcon::Question:
        return QStringLiteral("question");
    case MessageIcon::None:
        break;
    }
    return QStringLiteral("none");
}

// The program may write its temporary files in UTF-8 or in a one-byte code page.
QString decodedFile(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// The edit box a control types into: an editable combo box's own line edit, else the control.
QWidget* editorOf(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit())
        return combo->lineEdit();
    return widget;
}

std::pair<int, int> selectionOf(const QWidget* widget) {
    if (auto* combo = qobject_cast<const QComboBox*>(widget); combo && combo->lineEdit())
        widget = combo->lineEdit();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        if (!edit->hasSelectedText()) return {edit->cursorPosition(), 0};
        return {edit->selectionStart(), int(edit->selectedText().size())};
    }
    QTextCursor cursor;
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        cursor = memo->textCursor();
    else if (auto* memo = qobject_cast<const QTextEdit*>(widget))
        cursor = memo->textCursor();
    else
        return {0, 0};
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

// The windows that only the player knows, for testing the player itself.
QDialog* createPlayerWindow(const QString& name, QWidget* owner) {
    if (name == QStringLiteral("TPlayTest")) return new TPlayTest(owner);
    return nullptr;
}

} // namespace

Player::Player(ScriptedPlatform& platform)
    : platform_(platform)
    , watch_(std::make_unique<EventWatch>()) {
    QCoreApplication::instance()->installEventFilter(watch_.get());
    createMainWindow();
}

Player::~Player() {
    mainWindow_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const Player::CommandSpec* Player::commandNamed(const QString& name) {
    static const std::map<QString, CommandSpec> commands = {
        {QStringLiteral("sep"), {&Player::sep, 1, 1}},
        {QStringLiteral("env"), {&Player::env, 2, 2}},
        {QStringLiteral("unenv"), {&Player::unenv, 1, 1}},
        {QStringLiteral("clock"), {&Player::clock, 1, 1}},
        {QStringLiteral("calculator"), {&Player::calculator, 1, 1}},
        {QStringLiteral("desktopwindow"), {&Player::desktopWindow, 1, 1}},
        {QStringLiteral("restart"), {&Player::restart, 0, 0}},
        {QStringLiteral("open"), {&Player::open, 1, 1}},
        {QStringLiteral("menu"), {&Player::menu, 1, -1}},
        {QStringLiteral("popup"), {&Player::popup, 1, -1}},
        {QStringLiteral("menus"), {&Player::menus, 0, 1}},
        {QStringLiteral("focus"), {&Player::focus, 1, 1}},
        {QStringLiteral("type"), {&Player::type, 1, 1}},
        {QStringLiteral("key"), {&Player::key, 1, 1}},
        {QStringLiteral("select"), {&Player::select, 2, 2}},
        {QStringLiteral("selectall"), {&Player::selectAll, 0, 0}},
        {QStringLiteral("paste"), {&Player::paste, 1, 1}},
        {QStringLiteral("setclip"), {&Player::setClip, 1, 1}},
        {QStringLiteral("click"), {&Player::click, 1, 3}},
        {QStringLiteral("rclick"), {&Player::rightClick, 1, 3}},
        {QStringLiteral("drag"), {&Player::drag, 5, 5}},
        {QStringLiteral("wheel"), {&Player::wheel, 2, 2}},
        {QStringLiteral("pick"), {&Player::pick, 2, 2}},
        {QStringLiteral("cell"), {&Player::cell, 3, 3}},
        {QStringLiteral("tab"), {&Player::tab, 2, 2}},
        {QStringLiteral("slide"), {&Player::slide, 2, 2}},
        {QStringLiteral("answer"), {&Player::answer, 1, 1}},
        {QStringLiteral("navigate"), {&Player::navigate, 1, 1}},
        {QStringLiteral("show"), {&Player::show, 0, -1}},
        {QStringLiteral("size"), {&Player::size, 0, 0}},
        {QStringLiteral("focused"), {&Player::focused, 0, 0}},
        {QStringLiteral("state"), {&Player::state, 1, 1}},
        {QStringLiteral("tip"), {&Player::tip, 1, 1}},
        {QStringLiteral("grid"), {&Player::printGrid, 1, 1}},
        {QStringLiteral("style"), {&Player::style, 1, 1}},
        {QStringLiteral("messages"), {&Player::messages, 0, 0}},
        {QStringLiteral("clipboard"), {&Player::clipboard, 0, 0}},
        {QStringLiteral("opened"), {&Player::opened, 0, 0}},
        {QStringLiteral("browsed"), {&Player::browsed, 0, 0}},
        {QStringLiteral("tempfile"), {&Player::tempFile, 1, 1}},
        {QStringLiteral("expect"), {&Player::expect, 2, 2}},
        {QStringLiteral("expectmsg"), {&Player::expectMessage, 2, 2}},
        {QStringLiteral("nomsg"), {&Player::noMessage, 0, 0}},
        {QStringLiteral("expectfocus"), {&Player::expectFocus, 1, 1}},
        {QStringLiteral("expectstyle"), {&Player::expectStyle, 2, 2}},
        {QStringLiteral("expectstate"), {&Player::expectState, 2, 2}},
        {QStringLiteral("expecttip"), {&Player::expectTip, 2, 2}},
        {QStringLiteral("expectclip"), {&Player::expectClip, 1, 1}},
        {QStringLiteral("expectopened"), {&Player::expectOpened, 1, 1}},
        {QStringLiteral("expectbrowsed"), {&Player::expectBrowsed, 1, 1}},
        {QStringLiteral("expecttemp"), {&Player::expectTemp, 2, 2}},
        {QStringLiteral("shot"), {&Player::shot, 1, 1}},
        {QStringLiteral("close"), {&Player::close, 0, 0}},
    };
    const auto found = commands.find(name);
    return found == commands.end() ? nullptr : &found->second;
}

int Player::run(const QString& script) {
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        line_ = int(i + 1);
        const ScriptLine parsed = splitScriptLine(lines[i]);
        try {
            if (!parsed.error.isEmpty()) fail(parsed.error);
            if (parsed.words.isEmpty()) continue;
            execute(parsed.words);
        } catch (const ScriptError& error) {
            scriptError(error.message);
        } catch (const std::exception& error) {
            scriptError(QString::fromUtf8(error.what()));
        }
        settle();
    }
    print(QStringLiteral("%1 passed, %2 failed").arg(passed_).arg(failed_ + errors_));
    std::fflush(stdout);
    if (errors_ > 0) return 2;
    return failed_ > 0 ? 1 : 0;
}

void Player::execute(const QStringList& words) {
    const CommandSpec* command = commandNamed(words.first());
    if (!command) fail(QStringLiteral("unknown command \"%1\"").arg(words.first()));
    const QStringList arguments = words.mid(1);
    const int count = int(arguments.size());
    if (count < command->fewest || (command->most >= 0 && count > command->most))
        fail(QStringLiteral("wrong number of arguments for %1").arg(words.first()));
    (this->*command->run)(arguments);
}

// Lets the program finish what the command started: queued keystrokes (which may queue more),
// repaints, windows deleted on closing. Done when a pass delivers no event at all.
void Player::settle() {
    for (int pass = 0; pass < 1000; ++pass) {
        const quint64 before = watch_->delivered();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (watch_->delivered() == before) return;
    }
    scriptError(QStringLiteral("the program keeps the event loop busy"));
}

void Player::createMainWindow() {
    guarded([&] {
        mainWindow_ = std::make_unique<TFormPrincipal>();
        platform_.setMainWindow(mainWindow_.get());
        mainWindow_->show();
    });
    settle();
}

void Player::print(const QString& line) {
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void Player::check(bool passed, const QString& failure) {
    if (passed) {
        ++passed_;
        return;
    }
    ++failed_;
    print(QStringLiteral("FAIL %1: ").arg(line_) + failure);
}

void Player::scriptError(const QString& message) {
    ++errors_;
    std::fflush(stdout);
    const QByteArray bytes = QStringLiteral("ERROR %1: %2\n").arg(line_).arg(message).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

QWidget* Player::currentWindow() const {
    QWidget* window = platform_.currentWindow();
    if (!window || !window->isVisible()) fail(QStringLiteral("no window is open"));
    return window;
}

QWidget* Player::control(const QString& name) const {
    if (cellName(name)) fail(QStringLiteral("%1 is a grid cell; name the grid instead").arg(name));
    QWidget* window = currentWindow();
    QWidget* found = findControl(window, name);
    if (!found) fail(QStringLiteral("no control %1 in %2").arg(name, className(window)));
    return found;
}

QTableWidget* Player::grid(const QString& name) const {
    auto* table = qobject_cast<QTableWidget*>(control(name));
    if (!table) fail(QStringLiteral("%1 is not a grid").arg(name));
    return table;
}

QString Player::textOf(const QString& name) const {
    if (const std::optional<CellName> cell = cellName(name)) {
        QTableWidget* table = grid(cell->grid);
        if (cell->column >= table->columnCount() || cell->row >= table->rowCount())
            fail(QStringLiteral("%1 has no cell %2,%3")
                     .arg(cell->grid)
                     .arg(cell->column)
                     .arg(cell->row));
        const QTableWidgetItem* item = table->item(cell->row, cell->column);
        return item ? item->text() : QString();
    }
    QWidget* widget = control(name);
    if (!holdsText(widget)) fail(QStringLiteral("%1 holds no text").arg(name));
    return controlText(widget);
}

QWidget* Player::keyTarget() const {
    QWidget* window = currentWindow();
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
}

void Player::sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    sendKeystroke(keyTarget(), key, modifiers, text);
}

// The menus of the current window when it has its own, else those of the main window.
QList<QAction*> Player::menuEntries(bool popup) const {
    QWidget* window = currentWindow();
    if (popup) {
        if (auto* main = qobject_cast<TFormPrincipal*>(window); main && main->popupMenu())
            return main->popupMenu()->actions();
        if (auto* own = window->findChild<QMenu*>(QStringLiteral("PopupMenu1")))
            return own->actions();
        if (mainWindow_ && mainWindow_->popupMenu()) return mainWindow_->popupMenu()->actions();
        fail(QStringLiteral("there is no pop-up menu"));
    }
    if (auto* main = qobject_cast<QMainWindow*>(window)) return main->menuBar()->actions();
    if (auto* own = window->findChild<QMenuBar*>(); own && own->window() == window)
        return own->actions();
    if (mainWindow_) return mainWindow_->menuBar()->actions();
    fail(QStringLiteral("there is no menu bar"));
}

QString Player::tempFilePath(const QString& name) const {
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name == QStringLiteral("..") || name == QStringLiteral("."))
        fail(QStringLiteral("\"%1\" is not a file name").arg(name));
    return platform_.tempFolder() + name;
}

// The settings of the scripted platform.

void Player::sep(const QStringList& arguments) {
    if (arguments[0].size() != 1) fail(QStringLiteral("the separator is one character"));
    platform_.separator = arguments[0][0];
}

void Player::env(const QStringList& arguments) {
    if (arguments[0].isEmpty() || arguments[0].contains(QLatin1Char('=')))
        fail(QStringLiteral("\"%1\" is not a variable name").arg(arguments[0]));
    qputenv(arguments[0].toLocal8Bit().constData(), arguments[1].toLocal8Bit());
}

void Player::unenv(const QStringList& arguments) {
    qunsetenv(arguments[0].toLocal8Bit().constData());
}

void Player::clock(const QStringList& arguments) {
    bool ok = false;
    const qint64 seconds = arguments[0].toLongLong(&ok);
    if (!ok) fail(QStringLiteral("the clock is given in whole seconds since 1970"));
    platform_.clock = seconds;
}

void Player::calculator(const QStringList& arguments) {
    platform_.calculator = arguments[0] == QStringLiteral("none") ? QString() : arguments[0];
}

void Player::desktopWindow(const QStringList& arguments) {
    platform_.desktopWindows.append(arguments[0]);
}

// Windows.

void Player::restart(const QStringList&) {
    QList<QPointer<QWidget>> others;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != mainWindow_.get() && !widget->parentWidget() &&
            (qobject_cast<QDialog*>(widget) || qobject_cast<QMainWindow*>(widget)))
            others.append(widget);
    mainWindow_.reset();
    for (const QPointer<QWidget>& widget : others)
        if (widget) widget->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    createMainWindow();
}

void Player::open(const QStringList& arguments) {
    const QString& name = arguments[0];
    if (!mainWindow_) fail(QStringLiteral("there is no main window to open %1 from").arg(name));
    if (QDialog* window = createPlayerWindow(name, mainWindow_.get())) {
        guarded([&] { platform_.showModal(window); });
        return;
    }
    if (!isWindowBuilt(name)) fail(QStringLiteral("unknown window %1").arg(name));
    guarded([&] { mainWindow_->openWindow(name); });
}

void Player::menu(const QStringList& arguments) {
    QString error;
    QAction* entry = findMenuEntry(menuEntries(false), arguments, error);
    if (!entry) fail(error);
    guarded([&] { entry->trigger(); });
}

void Player::popup(const QStringList& arguments) {
    QString error;
    QAction* entry = findMenuEntry(menuEntries(true), arguments, error);
    if (!entry) fail(error);
    guarded([&] { entry->trigger(); });
}

void Player::menus(const QStringList& arguments) {
    const bool popup = !arguments.isEmpty();
    if (popup && arguments[0] != QStringLiteral("popup"))
        fail(QStringLiteral("menus takes no argument but \"popup\""));
    QStringList lines;
    appendMenuLines(lines, menuEntries(popup));
    for (const QString& line : lines)
        print(line);
}

void Player::close(const QStringList&) {
    QWidget* window = currentWindow();
    guarded([&] { window->close(); });
}

void Player::shot(const QStringList& arguments) {
    const QPixmap picture = currentWindow()->grab();
    QDir().mkpath(QFileInfo(arguments[0]).absolutePath());
    if (!picture.save(arguments[0], "PNG"))
        fail(QStringLiteral("cannot write the picture %1").arg(arguments[0]));
}

// The keyboard.

void Player::focus(const QStringList& arguments) {
    QWidget* widget = control(arguments[0]);
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        // A radio group takes the focus on its chosen button, or its first.
        const QList<QRadioButton*> buttons = radioButtons(group);
        if (!buttons.isEmpty()) widget = buttons.first();
        for (QRadioButton* button : buttons)
            if (button->isChecked()) widget = button;
    }
    if (!widget->isVisible()) fail(QStringLiteral("%1 is not visible").arg(arguments[0]));
    if (!widget->isEnabled()) fail(QStringLiteral("%1 is disabled").arg(arguments[0]));
    if (!(widget->focusPolicy() & Qt::ClickFocus) && !widget->focusProxy())
        fail(QStringLiteral("%1 does not take the focus").arg(arguments[0]));
    widget->setFocus(Qt::MouseFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(editorOf(widget))) {
        edit->deselect();
        edit->setCursorPosition(int(edit->text().size()));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->moveCursor(QTextCursor::End);
    } else if (auto* memo = qobject_cast<QTextEdit*>(widget)) {
        memo->moveCursor(QTextCursor::End);
    }
}

void Player::type(const QStringList& arguments) {
    for (const QChar character : arguments[0]) {
        const Keystroke stroke = keystrokeFor(character);
        sendKey(stroke.key, stroke.modifiers, stroke.text);
        // A keystroke that a handler queues arrives before the next typed key.
        settle();
    }
}

void Player::key(const QStringList& arguments) {
    const std::optional<Keystroke> stroke = keystrokeNamed(arguments[0]);
    if (!stroke) fail(QStringLiteral("unknown key \"%1\"").arg(arguments[0]));
    sendKey(stroke->key, stroke->modifiers, stroke->text);
}

void Player::select(const QStringList& arguments) {
    const int start = number(arguments[0], QStringLiteral("the start"));
    const int length = number(arguments[1], QStringLiteral("the length"));
    QWidget* widget = editorOf(keyTarget());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (start < 0 || length < 0 || start + length > edit->text().size())
            fail(QStringLiteral("the selection lies outside the text"));
        edit->setSelection(start, length);
        return;
    }
    QTextCursor cursor;
    auto* memo = qobject_cast<QPlainTextEdit*>(widget);
    auto* rich = qobject_cast<QTextEdit*>(widget);
    if (!memo && !rich) fail(QStringLiteral("the focused control holds no text to select"));
    cursor = memo ? memo->textCursor() : rich->textCursor();
    const int size =
        memo ? memo->document()->characterCount() - 1 : rich->document()->characterCount() - 1;
    if (start < 0 || length < 0 || start + length > size)
        fail(QStringLiteral("the selection lies outside the text"));
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    if (memo)
        memo->setTextCursor(cursor);
    else
        rich->setTextCursor(cursor);
}

void Player::selectAll(const QStringList&) {
    QWidget* widget = editorOf(keyTarget());
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        memo->selectAll();
    else if (auto* memo = qobject_cast<QTextEdit*>(widget))
        memo->selectAll();
    else
        fail(QStringLiteral("the focused control holds no text to select"));
}

void Player::paste(const QStringList& arguments) {
    platform_.setClipboardText(arguments[0]);
    QWidget* widget = editorOf(keyTarget());
    auto* box = qobject_cast<EditBox*>(widget);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    auto* memo = qobject_cast<QPlainTextEdit*>(widget);
    auto* rich = qobject_cast<QTextEdit*>(widget);
    if (!edit && !memo && !rich) fail(QStringLiteral("the focused control takes no paste"));
    // The context menu offers no paste for an empty clipboard.
    if (arguments[0].isEmpty()) return;
    guarded([&] {
        if (box)
            box->pasteFromMenu();
        else if (edit && !edit->isReadOnly())
            edit->insert(arguments[0]);
        else if (memo && !memo->isReadOnly())
            memo->insertPlainText(arguments[0]);
        else if (rich && !rich->isReadOnly())
            rich->insertPlainText(arguments[0]);
    });
}

void Player::setClip(const QStringList& arguments) {
    platform_.setClipboardText(arguments[0]);
}

// The mouse.

namespace {

// A check box or radio button reacts to its box and caption only, which may be narrower
// than the control: its centre is the centre of what the user sees.
QPoint centreOf(const QWidget* widget) {
    const auto* check = qobject_cast<const QCheckBox*>(widget);
    const auto* radio = qobject_cast<const QRadioButton*>(widget);
    if (!check && !radio) return widget->rect().center();
    QStyleOptionButton option;
    option.initFrom(widget);
    option.text = static_cast<const QAbstractButton*>(widget)->text();
    option.iconSize = static_cast<const QAbstractButton*>(widget)->iconSize();
    const QRect area = widget->style()->subElementRect(
        check ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect, &option, widget);
    return area.isValid() ? area.center() : widget->rect().center();
}

QPoint pointIn(const QWidget* widget, const QStringList& arguments) {
    if (arguments.size() == 1) return centreOf(widget);
    if (arguments.size() != 3) fail(QStringLiteral("give both X and Y, or neither"));
    return QPoint(number(arguments[1], QStringLiteral("X")),
                  number(arguments[2], QStringLiteral("Y")));
}

void mustBeVisible(const QWidget* widget, const QString& name) {
    if (!widget->isVisible()) fail(QStringLiteral("%1 is not visible").arg(name));
}

} // namespace

void Player::click(const QStringList& arguments) {
    QWidget* widget = control(arguments[0]);
    mustBeVisible(widget, arguments[0]);
    sendClick(widget, pointIn(widget, arguments), Qt::LeftButton);
}

void Player::rightClick(const QStringList& arguments) {
    QWidget* widget = control(arguments[0]);
    mustBeVisible(widget, arguments[0]);
    sendRightClick(widget, pointIn(widget, arguments));
}

void Player::drag(const QStringList& arguments) {
    QWidget* widget = control(arguments[0]);
    mustBeVisible(widget, arguments[0]);
    const QPoint from(number(arguments[1], QStringLiteral("X1")),
                      number(arguments[2], QStringLiteral("Y1")));
    const QPoint to(number(arguments[3], QStringLiteral("X2")),
                    number(arguments[4], QStringLiteral("Y2")));
    sendDrag(widget, from, to);
}

void Player::wheel(const QStringList& arguments) {
    QWidget* widget = control(arguments[0]);
    mustBeVisible(widget, arguments[0]);
    sendWheel(widget, number(arguments[1], QStringLiteral("the delta")));
}

// Lists, grids, tabs and track bars.

void Player::pick(const QStringList& arguments) {
    const QString& name = arguments[0];
    const QString& item = arguments[1];
    QWidget* widget = control(name);
    mustBeVisible(widget, name);
    if (!widget->isEnabled()) fail(QStringLiteral("%1 is disabled").arg(name));
    const std::optional<int> index = itemIndex(item);

    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const int found = index ? *index : combo->findText(item, Qt::MatchExactly);
        if (found < 0 || found >= combo->count())
            fail(QStringLiteral("%1 has no item %2").arg(name, item));
        guarded([&] {
            combo->setCurrentIndex(found);
            emit combo->activated(found);
            emit combo->textActivated(combo->itemText(found));
        });
        return;
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QListWidgetItem* chosen = nullptr;
        if (index)
            chosen = list->item(*index);
        else if (const QList<QListWidgetItem*> items = list->findItems(item, Qt::MatchExactly);
                 !items.isEmpty())
            chosen = items.first();
        if (!chosen) fail(QStringLiteral("%1 has no item %2").arg(name, item));
        list->scrollToItem(chosen);
        sendClick(list->viewport(), list->visualItemRect(chosen).center(), Qt::LeftButton);
        return;
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        const QList<QRadioButton*> buttons = radioButtons(group);
        QRadioButton* chosen = nullptr;
        if (index) {
            if (*index < buttons.size()) chosen = buttons[*index];
        } else {
            for (QRadioButton* button : buttons)
                if (withoutAmpersands(button->text()) == item || button->text() == item)
                    chosen = button;
        }
        if (!chosen) fail(QStringLiteral("%1 has no item %2").arg(name, item));
        if (!chosen->isEnabled())
            fail(QStringLiteral("the item %1 of %2 is disabled").arg(item, name));
        guarded([&] { chosen->click(); });
        return;
    }
    fail(QStringLiteral("%1 is not a combo box, list or radio group").arg(name));
}

void Player::cell(const QStringList& arguments) {
    QTableWidget* table = grid(arguments[0]);
    mustBeVisible(table, arguments[0]);
    const int column = number(arguments[1], QStringLiteral("the column"));
    const int row = number(arguments[2], QStringLiteral("the row"));
    if (column < 0 || row < 0 || column >= table->columnCount() || row >= table->rowCount())
        fail(QStringLiteral("%1 has no cell %2,%3").arg(arguments[0]).arg(column).arg(row));
    if (table->isColumnHidden(column) || table->isRowHidden(row))
        fail(QStringLiteral("the cell %1,%2 of %3 is hidden")
                 .arg(column)
                 .arg(row)
                 .arg(arguments[0]));
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    sendClick(table->viewport(), table->visualRect(index).center(), Qt::LeftButton);
}

void Player::tab(const QStringList& arguments) {
    auto* tabs = qobject_cast<QTabWidget*>(control(arguments[0]));
    if (!tabs) fail(QStringLiteral("%1 is not a page control").arg(arguments[0]));
    int page = -1;
    if (const std::optional<int> index = itemIndex(arguments[1]))
        page = *index < tabs->count() ? *index : -1;
    else
        for (int i = 0; i < tabs->count() && page < 0; ++i)
            if (withoutAmpersands(tabs->tabText(i)) == arguments[1] ||
                tabs->tabText(i) == arguments[1])
                page = i;
    if (page < 0) fail(QStringLiteral("%1 has no page %2").arg(arguments[0], arguments[1]));
    if (!tabs->isTabEnabled(page) || !tabs->isEnabled())
        fail(QStringLiteral("the page %1 of %2 is disabled").arg(arguments[1], arguments[0]));
    guarded([&] { tabs->setCurrentIndex(page); });
}

void Player::slide(const QStringList& arguments) {
    auto* slider = qobject_cast<QAbstractSlider*>(control(arguments[0]));
    if (!slider) fail(QStringLiteral("%1 is not a track bar").arg(arguments[0]));
    if (!slider->isEnabled()) fail(QStringLiteral("%1 is disabled").arg(arguments[0]));
    const int position = number(arguments[1], QStringLiteral("the position"));
    if (position < slider->minimum() || position > slider->maximum())
        fail(QStringLiteral("%1 goes from %2 to %3")
                 .arg(arguments[0])
                 .arg(slider->minimum())
                 .arg(slider->maximum()));
    // The thumb is held, moved and let go, as with the mouse.
    guarded([&] {
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    });
}

// The dialogs and the browser.

void Player::answer(const QStringList& arguments) {
    platform_.saveAnswers.append(arguments[0]);
}

void Player::navigate(const QStringList& arguments) {
    BrowserControl* browser = platform_.browserIn(currentWindow());
    if (!browser) fail(QStringLiteral("the current window has no browser control"));
    guarded([&] { browser->navigate(arguments[0]); });
}

// What the script reads.

void Player::show(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        for (const QWidget* widget : textControls(currentWindow()))
            print(widget->objectName() + QLatin1Char('\t') + escapeText(controlText(widget)));
        return;
    }
    for (const QString& name : arguments)
        print(name + QLatin1Char('\t') + escapeText(textOf(name)));
}

// The client area, as the window's own code measures it: without its menu bar.
void Player::size(const QStringList&) {
    const QWidget* window = currentWindow();
    int height = window->height();
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly))
        if (bar->isVisible()) height -= bar->height();
    print(QStringLiteral("SIZE\t%1\t%2").arg(window->width()).arg(height));
}

void Player::focused(const QStringList&) {
    const QWidget* window = currentWindow();
    const QWidget* focus = window->focusWidget();
    const auto [start, length] = focus ? selectionOf(focus) : std::pair<int, int>{0, 0};
    print(QStringLiteral("FOCUS\t%1\t%2\t%3")
              .arg(focus ? scriptName(focus, window) : QString())
              .arg(start)
              .arg(length));
}

void Player::state(const QStringList& arguments) {
    print(arguments[0] + QLatin1Char('\t') + stateText(control(arguments[0])));
}

void Player::tip(const QStringList& arguments) {
    print(arguments[0] + QLatin1Char('\t') + escapeText(control(arguments[0])->toolTip()));
}

void Player::printGrid(const QStringList& arguments) {
    const QTableWidget* table = grid(arguments[0]);
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            cells.append(escapeText(item ? item->text() : QString()));
        }
        print(cells.join(QLatin1Char('\t')));
    }
}

void Player::style(const QStringList& arguments) {
    print(arguments[0] + QLatin1Char('\t') + styleText(control(arguments[0])));
}

// `messages` and `expectmsg` share one queue: both take the messages they read, so that a
// message is never reported twice.
void Player::messages(const QStringList&) {
    for (const RecordedMessage& message : platform_.messages)
        print(QStringLiteral("MSG\t%1\t%2\t%3")
                  .arg(escapeText(message.caption), iconName(message.icon),
                       escapeText(message.text)));
    platform_.messages.clear();
}

void Player::clipboard(const QStringList&) {
    print(escapeText(platform_.clipboard));
}

void Player::opened(const QStringList&) {
    for (const QString& target : platform_.opened)
        print(escapeText(target));
    if (!platform_.opened.isEmpty()) latestOpened_ = platform_.opened.last();
    platform_.opened.clear();
}

void Player::browsed(const QStringList&) {
    for (const QString& call : platform_.browsed)
        print(escapeText(call));
    platform_.browsed.clear();
}

void Player::tempFile(const QStringList& arguments) {
    QFile file(tempFilePath(arguments[0]));
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("the program wrote no temporary file %1").arg(arguments[0]));
    QString text = decodedFile(file.readAll());
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    for (const QString& line : text.split(QLatin1Char('\n')))
        print(line);
}

// The checks.

void Player::expect(const QStringList& arguments) {
    const QString got = textOf(arguments[0]);
    check(got == arguments[1], QStringLiteral("%1 expected %2 got %3")
                                   .arg(arguments[0], quoted(arguments[1]), quoted(got)));
}

void Player::expectMessage(const QStringList& arguments) {
    const QString expected = quoted(arguments[0]) + QLatin1Char(' ') + quoted(arguments[1]);
    if (platform_.messages.isEmpty()) {
        check(false, QStringLiteral("message expected %1 got none").arg(expected));
        return;
    }
    const RecordedMessage message = platform_.messages.takeFirst();
    check(message.caption == arguments[0] && message.text == arguments[1],
          QStringLiteral("message expected %1 got %2")
              .arg(expected, quoted(message.caption) + QLatin1Char(' ') + quoted(message.text)));
}

// A failed nomsg takes the messages it reports, so that one stray box fails one check.
void Player::noMessage(const QStringList&) {
    QStringList shown;
    for (const RecordedMessage& message : platform_.messages)
        shown.append(quoted(message.caption) + QLatin1Char(' ') + quoted(message.text));
    platform_.messages.clear();
    check(shown.isEmpty(),
          QStringLiteral("no message expected, got ") + shown.join(QStringLiteral("; ")));
}

void Player::expectFocus(const QStringList& arguments) {
    QWidget* window = currentWindow();
    QWidget* expected = control(arguments[0]);
    const QWidget* focus = window->focusWidget();
    const bool inside = focus && (focus == expected || expected->isAncestorOf(focus));
    check(inside,
          QStringLiteral("focus expected on %1 got %2")
              .arg(arguments[0], focus ? scriptName(focus, window) : QStringLiteral("none")));
}

void Player::expectStyle(const QStringList& arguments) {
    const QString got = styleText(control(arguments[0]));
    check(got.contains(arguments[1]), QStringLiteral("style of %1 expected to contain %2 got %3")
                                          .arg(arguments[0], quoted(arguments[1]), quoted(got)));
}

void Player::expectState(const QStringList& arguments) {
    const QString got = stateText(control(arguments[0]));
    check(got.contains(arguments[1]), QStringLiteral("state of %1 expected to contain %2 got %3")
                                          .arg(arguments[0], quoted(arguments[1]), quoted(got)));
}

void Player::expectTip(const QStringList& arguments) {
    const QString got = control(arguments[0])->toolTip();
    check(got.contains(arguments[1]), QStringLiteral("tip of %1 expected to contain %2 got %3")
                                          .arg(arguments[0], quoted(arguments[1]), quoted(got)));
}

void Player::expectClip(const QStringList& arguments) {
    check(platform_.clipboard == arguments[0],
          QStringLiteral("clipboard expected %1 got %2")
              .arg(quoted(arguments[0]), quoted(platform_.clipboard)));
}

void Player::expectOpened(const QStringList& arguments) {
    const QString latest = platform_.opened.isEmpty() ? latestOpened_ : platform_.opened.last();
    if (latest.isEmpty() && platform_.opened.isEmpty()) {
        check(false, QStringLiteral("opened expected %1 got nothing").arg(quoted(arguments[0])));
        return;
    }
    check(latest == arguments[0],
          QStringLiteral("opened expected %1 got %2").arg(quoted(arguments[0]), quoted(latest)));
}

void Player::expectBrowsed(const QStringList& arguments) {
    bool found = false;
    for (const QString& call : platform_.browsed)
        found = found || call.contains(arguments[0]);
    check(found,
          QStringLiteral("browsed expected to contain %1 got %2")
              .arg(quoted(arguments[0]), quoted(platform_.browsed.join(QStringLiteral(" | ")))));
}

void Player::expectTemp(const QStringList& arguments) {
    QFile file(tempFilePath(arguments[0]));
    if (!file.open(QIODevice::ReadOnly)) {
        check(false, QStringLiteral("the temporary file %1 was not written").arg(arguments[0]));
        return;
    }
    check(decodedFile(file.readAll()).contains(arguments[1]),
          QStringLiteral("the temporary file %1 expected to contain %2")
              .arg(arguments[0], quoted(arguments[1])));
}

} // namespace zerval
