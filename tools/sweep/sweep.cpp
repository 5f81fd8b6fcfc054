#include "tools/sweep/sweep.h"

#include "app/mainwindow.h"
#include "app/windowcatalog.h"
#include "kit/checked.h"
#include "kit/entryreading.h"
#include "kit/numbersyntax.h"
#include "platform/editbox.h"
#include "platform/keystrokes.h"
#include "platform/scriptedplatform.h"
#include "tools/play/controls.h"
#include "tools/play/eventwatch.h"
#include "tools/play/keynames.h"
#include "tools/play/scriptline.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <unistd.h>

namespace zerval {

namespace {

// What is being tried, kept where a crash or a hang can still print it.
char currentCase[512] = "";

void describeCase(const QString& text) {
    const QByteArray bytes = text.toUtf8().left(int(sizeof currentCase) - 2);
    std::memcpy(currentCase, bytes.constData(), size_t(bytes.size()));
    currentCase[bytes.size()] = '\n';
    currentCase[bytes.size() + 1] = '\0';
}

void printCase() {
    const char* lead = "zerval-sweep: died while trying: ";
    [[maybe_unused]] ssize_t written = write(2, lead, std::strlen(lead));
    written = write(2, currentCase, std::strlen(currentCase));
}

void onHang(int) {
    const char* lead = "zerval-sweep: the program stopped answering\n";
    [[maybe_unused]] ssize_t written = write(2, lead, std::strlen(lead));
    printCase();
    _exit(3);
}

#if !defined(__SANITIZE_ADDRESS__)
// The sanitizers print their own report of a crash, with its stack.
void onCrash(int signal) {
    printCase();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}
#endif

// A small stable hash, so that a field draws the same texts whatever other windows exist.
quint32 hashOf(const QString& text) {
    quint32 hash = 2166136261u;
    for (const QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

QString quotedForScript(const QString& text) {
    QString quoted;
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            quoted += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            quoted += QStringLiteral("\\t");
        else if (c == QChar(0))
            quoted += QStringLiteral("\\0");
        else
            quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString shortened(const QString& text) {
    return text.size() <= 60 ? text
                             : text.left(40) + QStringLiteral("…(%1 characters)").arg(text.size());
}

bool isTopLevelReport(const RecordedMessage& message) {
    return message.caption == applicationTitle() && message.icon == MessageIcon::Error;
}

// What a window may leave to the top-level report: the arithmetic errors (a value beyond the
// range of the double, an operation with no finite result) and the errors a window raises
// on purpose, which speak to the user in sentences. An empty text or a library's own words
// ("stoi", "vector::_M_range_check ...", "bad_alloc") is an error that escaped.
bool isReportable(const QString& text) {
    static const QStringList arithmetic = {QString::fromUtf8(FloatOverflow().what()),
                                           QString::fromUtf8(FloatDivideByZero().what()),
                                           QString::fromUtf8(FloatInvalid().what())};
    if (arithmetic.contains(text)) return true;
    // A sentence may open by quoting the text it is about ("\"3-5\" no es un número
    // válido."); the quoted text is the user's, whatever characters it holds.
    QString words = text;
    if (words.startsWith(QLatin1Char('"'))) {
        const qsizetype closing = words.indexOf(QLatin1Char('"'), 1);
        if (closing > 0) words = QStringLiteral("X") + words.mid(closing + 1);
    }
    if (words.isEmpty() || words.contains(QStringLiteral("::")) || words.contains(QLatin1Char('_')))
        return false;
    const QChar lead = words.at(0);
    return (lead.isUpper() || lead == QChar(u'¡') || lead == QChar(u'¿')) &&
           words.contains(QLatin1Char(' '));
}

// Whether a line edit shows the whole of a text: the text's width against the room inside the
// frame, less the line edit's own margins (two pixels each side). A narrow box whose size is
// part of its window's design shows its whole text in its tooltip instead.
bool showsWhole(const QLineEdit& edit, const QString& text) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    const QRect room = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins margins = edit.textMargins();
    const int available = room.width() - margins.left() - margins.right() - 2 * 2;
    return edit.fontMetrics().horizontalAdvance(text) <= available;
}

const QRegularExpression& nonFinite() {
    static const QRegularExpression pattern(QStringLiteral("\\b(inf|infinity|nan)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

std::optional<long double> numberIn(const QString& text, QChar separator) {
    return readNumber(text, separator);
}

// Texts that the same window could show for one value: equal, or numbers equal to the
// precision the windows write (15 significant digits).
bool sameReading(const QString& a, const QString& b, QChar separator) {
    if (a == b) return true;
    const auto x = numberIn(a, separator);
    const auto y = numberIn(b, separator);
    if (!x || !y) return false;
    const long double scale = std::max(std::fabs(*x), std::fabs(*y));
    return std::fabs(*x - *y) <= scale * 1e-13L;
}

// Texts far apart: not two roundings of one value.
bool farApart(const QString& a, const QString& b, QChar separator) {
    const auto x = numberIn(a, separator);
    const auto y = numberIn(b, separator);
    if (!x || !y) return a.isEmpty() != b.isEmpty();
    const long double difference = std::fabs(*x - *y);
    const long double scale = std::max(std::fabs(*x), std::fabs(*y));
    return difference > scale * 1e-2L && difference > 1e-3L;
}

const char* modeName(int mode) {
    static const char* names[] = {"pasted from the menu", "pasted with Ctrl+V", "typed"};
    return names[mode];
}

} // namespace

Sweep::Sweep(ScriptedPlatform& platform, QStringList corpus, SweepOptions options)
    : platform_(platform)
    , corpus_(std::move(corpus))
    , options_(std::move(options))
    , watch_(std::make_unique<EventWatch>()) {
    QCoreApplication::instance()->installEventFilter(watch_.get());
    std::signal(SIGALRM, onHang);
#if !defined(__SANITIZE_ADDRESS__)
    for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL})
        std::signal(signal, onCrash);
#endif
    guarded([&] {
        mainWindow_ = std::make_unique<TFormPrincipal>();
        platform_.setMainWindow(mainWindow_.get());
        mainWindow_->show();
    });
    settle();
}

Sweep::~Sweep() {
    closeWindow();
    mainWindow_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int Sweep::run() {
    clock_.start();
    QStringList names = options_.windows.isEmpty() ? builtWindows() : options_.windows;
    for (const QString& name : names) {
        bool swept = false;
        for (const QChar separator : {QLatin1Char('.'), QLatin1Char(',')}) {
            platform_.separator = separator;
            if (!openWindow(name)) break;
            swept = true;
            sweepWindow(name, separator);
            closeWindow();
        }
        if (swept) ++windows_;
    }
    alarm(0);
    const double seconds = clock_.elapsed() / 1000.0;
    const QString summary =
        QStringLiteral("zerval-sweep: %1 windows, %2 fields (%3 out of reach), %4 inputs from "
                       "%5 corpus texts (%6 per field and separator, seed %7), %8 s: %9 faults")
            .arg(windows_)
            .arg(sweptFields_)
            .arg(unreachable_)
            .arg(inputs_)
            .arg(corpus_.size())
            .arg(options_.samples > 0 ? QString::number(options_.samples) : QStringLiteral("all"))
            .arg(options_.seed)
            .arg(seconds, 0, 'f', 1)
            .arg(faults_);
    if (unjudged_ > 0)
        std::printf("zerval-sweep: %d inputs left unjudged: entering their text again moves the "
                    "window every time\n",
                    unjudged_);
    std::printf("%s\n", summary.toUtf8().constData());
    std::fflush(stdout);
    return faults_;
}

bool Sweep::openWindow(const QString& name) {
    const QWidget* before = platform_.currentWindow();
    guarded([&] { mainWindow_->openWindow(name); });
    settle();
    QWidget* window = platform_.currentWindow();
    if (!window || window == before || window == mainWindow_.get()) {
        std::printf("zerval-sweep: %s opens no window of its own; left out\n",
                    name.toUtf8().constData());
        return false;
    }
    window_ = window;
    fields_ = fieldsOf(window);
    return true;
}

void Sweep::closeWindow() {
    if (window_) guarded([&] { window_->close(); });
    settle();
    window_ = nullptr;
    fields_.clear();
}

QList<Sweep::Field> Sweep::fieldsOf(QWidget* window) const {
    QList<Field> fields;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        Field field;
        auto* combo = qobject_cast<QComboBox*>(edit->parentWidget());
        if (combo && combo->lineEdit() == edit) {
            if (!isControlOf(combo, window)) continue;
            field.control = combo;
            field.name = combo->objectName();
        } else {
            if (!isControlOf(edit, window)) continue;
            field.control = edit;
            field.name = edit->objectName();
        }
        field.editor = edit;
        field.editable = !edit->isReadOnly();
        fields.append(field);
    }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const Field& a, const Field& b) { return naturalLess(a.name, b.name); });
    return fields;
}

// Shows the tab sheets that hold the field; false when the user cannot type in it.
bool Sweep::reach(const Field& field) {
    if (!field.control || !window_) return false;
    for (QWidget* page = field.control; page && page != window_; page = page->parentWidget()) {
        QWidget* stack = page->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(page) >= 0 && tabs->currentWidget() != page) {
            guarded([&] { tabs->setCurrentWidget(page); });
            settle();
        }
    }
    return field.control && field.control->isVisible() && field.control->isEnabled() &&
           field.editor && !field.editor->isReadOnly();
}

// As a mouse click would: the focus, and the caret at the end.
void Sweep::focusField(const Field& field) {
    if (!field.control) return;
    field.control->setFocus(Qt::MouseFocusReason);
    if (field.editor) {
        field.editor->deselect();
        field.editor->end(false);
    }
    settle();
}

void Sweep::sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    if (!window_) return;
    QWidget* target = window_->focusWidget();
    sendKeystroke(target ? target : window_.data(), key, modifiers, text);
    settle();
}

// Printable characters only: a typed Tab, Enter or Escape leaves the field or the window.
void Sweep::typeText(const QString& text, int limit, const Case& current) {
    int typed = 0;
    for (const QChar c : text) {
        if (typed >= limit || !window_ || !window_->isVisible()) return;
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate()) continue;
        const Keystroke stroke = keystrokeFor(c);
        const qsizetype shown = platform_.messages.size();
        beforeLastKey_ = snapshot();
        sendKey(stroke.key, stroke.modifiers, stroke.text);
        ++typed;
        int reports = 0;
        for (qsizetype m = shown; m < platform_.messages.size(); ++m)
            if (isTopLevelReport(platform_.messages[m])) ++reports;
        if (reports > 1)
            fault(current, QStringLiteral("an error reported more than once"),
                  QStringLiteral("%1 top-level reports for one key").arg(reports));
    }
}

void Sweep::settle() {
    for (int pass = 0; pass < 1000; ++pass) {
        const quint64 before = watch_->delivered();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (watch_->delivered() == before) return;
    }
    describeCase(QStringLiteral("the program keeps the event loop busy; ") +
                 QString::fromUtf8(currentCase));
    onHang(0);
}

QStringList Sweep::snapshot() const {
    QStringList texts;
    for (const Field& field : fields_)
        texts.append(field.editor ? field.editor->text() : QString());
    return texts;
}

// Every text a user reads in the window: fields, labels, memos, combo boxes.
QStringList Sweep::readings() const {
    QStringList texts;
    if (!window_) return texts;
    for (QWidget* widget : textControls(window_))
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget))
            texts.append(widget->objectName() + QLatin1Char('\t') + controlText(widget));
    return texts;
}

QString Sweep::statusText() const {
    QString text;
    if (window_)
        for (const QStatusBar* bar : window_->findChildren<QStatusBar*>())
            text += controlText(bar);
    return text;
}

void Sweep::sweepWindow(const QString& name, QChar separator) {
    const QList<Field> fields = fields_;
    for (const Field& field : fields) {
        if (!field.editable) continue;
        if (separator == QLatin1Char('.')) ++sweptFields_;
        std::mt19937 random(options_.seed ^ hashOf(name + QLatin1Char('.') + field.name) ^
                            separator.unicode());
        std::vector<int> order(size_t(corpus_.size()));
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        const size_t count =
            options_.samples > 0 ? std::min(order.size(), size_t(options_.samples)) : order.size();
        for (size_t i = 0; i < count; ++i)
            std::swap(order[i], order[i + random() % (order.size() - i)]);
        for (size_t i = 0; i < count; ++i) {
            for (const Mode mode : {Mode::MenuPaste, Mode::KeyPaste, Mode::Typed}) {
                // Find the field again: an input may have closed the window (a typed Enter
                // presses its default button).
                if (!window_ && !openWindow(name)) return;
                const auto same = std::find_if(fields_.begin(), fields_.end(), [&](const Field& f) {
                    return f.name == field.name;
                });
                if (same == fields_.end()) break;
                if (!reach(*same)) {
                    if (separator == QLatin1Char('.') && i == 0 && mode == Mode::MenuPaste)
                        ++unreachable_;
                    break;
                }
                tryInput(*same, Case{name, separator, field.name, order[i], mode});
                if (window_ && !window_->isVisible()) {
                    window_ = nullptr;
                    fields_.clear();
                    if (!openWindow(name)) return;
                }
            }
        }
    }
}

void Sweep::tryInput(const Field& field, const Case& current) {
    const QString& text = corpus_[current.text];
    int input = int(std::find_if(fields_.begin(), fields_.end(),
                                 [&](const Field& f) { return f.name == field.name; }) -
                    fields_.begin());
    describeCase(reproduction(current).replace(QLatin1Char('\n'), QStringLiteral("; ")));
    alarm(30);

    // A known state to start from, set by typing.
    focusField(field);
    field.editor->selectAll();
    sendKey(Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    platform_.messages.clear();
    if (!window_ || !field.editor) return;
    const QStringList before = snapshot();
    const QString statusBefore = statusText();

    focusField(field);
    if (!field.editor) return;
    field.editor->selectAll();
    switch (current.mode) {
    case Mode::MenuPaste:
        if (text.isEmpty()) break;
        platform_.setClipboardText(text);
        if (auto* box = qobject_cast<EditBox*>(field.editor.data()))
            guarded([&] { box->pasteFromMenu(); });
        else
            guarded([&] { field.editor->insert(text); });
        settle();
        break;
    case Mode::KeyPaste:
        platform_.setClipboardText(text);
        sendKey(Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
        break;
    case Mode::Typed:
        beforeLastKey_ = before;
        typeText(text, options_.typedLength, current);
        break;
    }
    ++inputs_;
    if (!window_ || !window_->isVisible()) return;
    // A window that moves the focus while a text is typed (a reset that answers an overflow)
    // sends the rest of its keys to the field that took it: that field holds the user's text.
    if (current.mode == Mode::Typed)
        for (int i = 0; i < fields_.size(); ++i)
            if (fields_[i].editor && fields_[i].editor->hasFocus()) input = i;

    const QList<RecordedMessage> messages = platform_.messages;
    platform_.messages.clear();
    int reports = 0;
    for (const RecordedMessage& message : messages) {
        if (isTopLevelReport(message)) {
            ++reports;
            if (!isReportable(message.text))
                fault(current, QStringLiteral("error in the top-level report"),
                      quotedForScript(message.text));
        }
        const QRegularExpressionMatch found = nonFinite().match(message.text);
        if (found.hasMatch() && !text.contains(found.captured(0), Qt::CaseInsensitive))
            fault(current, QStringLiteral("a message shows a non-finite number"),
                  quotedForScript(shortened(message.text)));
    }
    if (reports > 1 && current.mode != Mode::Typed)
        fault(current, QStringLiteral("an error reported more than once"),
              QStringLiteral("%1 top-level reports").arg(reports));

    for (const QString& reading : readings()) {
        const QRegularExpressionMatch found = nonFinite().match(reading);
        if (!found.hasMatch()) continue;
        const bool typedHere = reading.startsWith(field.name + QLatin1Char('\t')) &&
                               text.contains(found.captured(0), Qt::CaseInsensitive);
        if (!typedHere)
            fault(current, QStringLiteral("a non-finite number shown"),
                  quotedForScript(shortened(reading)));
    }

    // A text the window wrote, cut: at a plain edit box's maximum length (an edit box of the
    // kit is never cut by a program write), or a number that stops at its exponent letter.
    const QStringList written = snapshot();
    static const QRegularExpression cutNumber(QStringLiteral("\\d[.,]\\d*E[-+]?$"));
    for (int i = 0; i < fields_.size() && i < written.size(); ++i) {
        const QLineEdit* edit = fields_[i].editor;
        if (i == input || !edit || written[i] == before.value(i) ||
            qobject_cast<QComboBox*>(fields_[i].control.data()))
            continue;
        const bool atLength = !qobject_cast<const EditBox*>(edit) && edit->maxLength() < 32767 &&
                              written[i].size() >= edit->maxLength();
        // A window may show the typed text itself in another field, as the user left it.
        const bool copiesInput = written[i] == written.value(input);
        if (atLength || (cutNumber.match(written[i]).hasMatch() && !copiesInput))
            fault(current, QStringLiteral("a cut text"),
                  fields_[i].name + QStringLiteral(" shows ") +
                      quotedForScript(shortened(written[i])));
        else if (numberIn(written[i], platform_.separator) && !showsWhole(*edit, written[i]) &&
                 edit->toolTip() != written[i])
            fault(current, QStringLiteral("a result wider than its field"),
                  fields_[i].name + QStringLiteral(" shows ") +
                      quotedForScript(shortened(written[i])));
    }

    // Two rules leave the other fields as they were: a text that does not convert in a
    // window that stops silently on it (or answers it with a message quoting it), and a menu
    // paste while the cascade lock is set, which some windows carry one step towards their
    // hub and no further.
    const QStringList after = snapshot();
    const QStringList& previous = current.mode == Mode::Typed ? beforeLastKey_ : before;
    bool othersKept = true;
    for (int i = 0; i < after.size(); ++i)
        if (i != input && after[i] != previous.value(i)) othersKept = false;
    const QString entered = after.value(input);
    const bool complete = !entered.endsWith(current.separator) && entered != QStringLiteral("-");
    const bool converts = complete && numberIn(entered, current.separator);
    bool quoted = false;
    for (const RecordedMessage& message : messages)
        quoted = quoted || (!entered.isEmpty() && message.text.contains(entered));
    // A status bar is a window's own place to say why it left fields as they were.
    const bool noticed = !statusText().isEmpty() && statusText() != statusBefore;
    if ((othersKept && !converts) || quoted || noticed) return;
    if (qobject_cast<QComboBox*>(field.control.data())) return;
    if (current.mode == Mode::MenuPaste)
        checkLockedPaste(current, field, before, after, input);
    else
        checkConsistent(current, previous, input);
}

// Under the lock a menu paste may leave fields as they were, but every field it did change
// shows what entering the same text with a key press gives.
void Sweep::checkLockedPaste(const Case& current, const Field& field, const QStringList& before,
                             const QStringList& after, int input) {
    const QString text = after.value(input);
    focusField(field);
    if (!field.editor) return;
    field.editor->selectAll();
    sendKey(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    platform_.setClipboardText(text);
    sendKey(Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    // A reference answered with a message (a guard's reset) holds no numbers to compare with.
    const bool answered = !platform_.messages.isEmpty();
    platform_.messages.clear();
    if (answered || !window_ || !window_->isVisible()) return;
    const QStringList entered = snapshot();
    // A window whose own rules move the other fields at every entry of the same text (a
    // number that combines with the fields beside it) gives no reference: entered once more,
    // it moves again.
    field.editor->selectAll();
    sendKey(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    sendKey(Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    const bool moving = !platform_.messages.isEmpty() || snapshot() != entered;
    platform_.messages.clear();
    if (moving) {
        ++unjudged_;
        return;
    }
    for (int i = 0; i < after.size() && i < entered.size(); ++i) {
        // A reference window emptied by an error has no number to compare with.
        if (i == input || after[i] == before.value(i) || entered[i].isEmpty() ||
            qobject_cast<QComboBox*>(fields_[i].control.data()) ||
            !farApart(after[i], entered[i], current.separator))
            continue;
        fault(current, QStringLiteral("a paste under the lock writes a wrong value"),
              QStringLiteral("%1 shows %2; a key press and the same paste give %3")
                  .arg(fields_[i].name, quotedForScript(shortened(after[i])),
                       quotedForScript(shortened(entered[i]))));
    }
}

// Either every field is empty or zero, or typing the first non-empty field's own text again
// changes no other field.
void Sweep::checkConsistent(const Case& current, const QStringList& before, int input) {
    const QStringList after = snapshot();
    bool blank = true;
    for (const QString& text : after) {
        const auto value = numberIn(text, current.separator);
        if (!text.isEmpty() && !(value && *value == 0.0L)) blank = false;
    }
    if (blank) return;
    // The field typed into is entered again when it holds a number, so that the window's
    // own rounding of the texts it wrote plays no part; else the first field that holds one.
    // Combo boxes hold choices, not quantities.
    auto numeric = [&](int i) {
        return fields_[i].editable && !qobject_cast<QComboBox*>(fields_[i].control.data());
    };
    int first = -1;
    if (numeric(input) && numberIn(after[input], current.separator)) first = input;
    // A field left with an unfinished text ("," or "-") holds no value to enter again.
    for (int i = 0; i < fields_.size() && first < 0; ++i)
        if (numeric(i) && classifyText(after[i], current.separator) == EntryClass::Convertible &&
            numberIn(after[i], current.separator) && reach(fields_[i]))
            first = i;
    if (first < 0 || !reach(fields_[first])) return;
    const Field field = fields_[first];
    const QString text = after[first];
    if (text.isEmpty() || text.back().unicode() < 0x20) return;

    // Entered afresh: the field emptied and the text pasted with a key press.
    focusField(field);
    if (!field.editor || field.editor->text() != text) return;
    field.editor->selectAll();
    sendKey(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    platform_.setClipboardText(text);
    sendKey(Qt::Key_V, Qt::ControlModifier, QString(QChar(22)));
    if (!window_ || !window_->isVisible()) return;
    for (const RecordedMessage& message : platform_.messages)
        if (isTopLevelReport(message) && !isReportable(message.text))
            fault(current, QStringLiteral("entering a shown text again lets an error escape"),
                  field.name + QStringLiteral(" ") + quotedForScript(shortened(text)) +
                      QStringLiteral(": ") + quotedForScript(message.text));
    // A message on the way back (an overflow guard that the stored values now trip) makes it
    // another entry, not the same one again.
    const bool answered = !platform_.messages.isEmpty();
    platform_.messages.clear();
    if (answered) return;
    const QStringList again = snapshot();
    auto differs = [&](int i) {
        return i != first && i != input && numeric(i) &&
               !sameReading(after[i], again[i], current.separator) &&
               farApart(after[i], again[i], current.separator);
    };
    bool anyDifference = false;
    for (int i = 0; i < again.size() && i < after.size(); ++i)
        anyDifference = anyDifference || differs(i);
    if (!anyDifference) return;
    // A window whose own rules move the other fields at every entry of the same text (a
    // fraction typed into a whole-degree field, which its seconds take up once more at each
    // key) cannot be judged by entering it again. Its last key typed twice more tells: a
    // window that only left fields behind holds still.
    focusField(field);
    const Keystroke last = keystrokeFor(text.back());
    QStringList steady;
    for (int round = 0; round < 2; ++round) {
        sendKey(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
        sendKey(last.key, last.modifiers, last.text);
        if (round == 0) steady = snapshot();
    }
    const bool moving = !platform_.messages.isEmpty() || snapshot() != steady;
    platform_.messages.clear();
    if (!window_ || !window_->isVisible() || moving) {
        ++unjudged_;
        return;
    }
    for (int i = 0; i < again.size() && i < after.size(); ++i) {
        if (!differs(i)) continue;
        const bool stale = after[i] == before[i];
        fault(current,
              stale ? QStringLiteral("a field left from the value before")
                    : QStringLiteral("a field that re-entering changes"),
              QStringLiteral("%1 shows %2; typing %3 into %4 again gives %5")
                  .arg(fields_[i].name, quotedForScript(shortened(after[i])),
                       quotedForScript(shortened(text)), field.name,
                       quotedForScript(shortened(again[i]))));
    }
}

void Sweep::fault(const Case& current, const QString& kind, const QString& detail) {
    ++faults_;
    const QString key = current.window + QLatin1Char('.') + current.field + QLatin1Char('.') + kind;
    if (seen_[key]++ > 0) return;
    const QString report = QStringLiteral("FAULT %1.%2 (separator %3, text #%4 %5): %6: %7\n%8\n")
                               .arg(current.window, current.field, current.separator)
                               .arg(current.text)
                               .arg(QString::fromLatin1(modeName(int(current.mode))), kind, detail,
                                    reproduction(current));
    std::fputs(report.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// The case as a zerval-play script.
QString Sweep::reproduction(const Case& current) const {
    const QString text = corpus_[current.text];
    QStringList lines = {QStringLiteral("  sep %1").arg(current.separator),
                         QStringLiteral("  open %1").arg(current.window),
                         QStringLiteral("  focus %1").arg(current.field),
                         QStringLiteral("  selectall"),
                         QStringLiteral("  type 3"),
                         QStringLiteral("  focus %1").arg(current.field),
                         QStringLiteral("  selectall")};
    const QString shown =
        text.size() > 200
            ? QStringLiteral("<corpus text #%1, %2 characters>").arg(current.text).arg(text.size())
            : quotedForScript(text);
    switch (current.mode) {
    case Mode::MenuPaste:
        lines.append(QStringLiteral("  paste ") + shown);
        break;
    case Mode::KeyPaste:
        lines.append(QStringLiteral("  setclip ") + shown);
        lines.append(QStringLiteral("  key Ctrl+V"));
        break;
    case Mode::Typed:
        lines.append(QStringLiteral("  type ") +
                     (text.size() > options_.typedLength
                          ? quotedForScript(text.left(options_.typedLength))
                          : shown));
        break;
    }
    lines.append(QStringLiteral("  show"));
    return lines.join(QLatin1Char('\n'));
}

} // namespace zerval
