// Every linked-field window, present and future: a number typed key by key into any field
// leaves every field of the window as the same number pasted in one step into a fresh window.
// Typing passes through every prefix of the number, so a field that kept the value of an
// earlier prefix shows up here.

#include "app/windowcatalog.h"
#include "converters/geometry/angles.h"
#include "kit/linkedfieldwindow.h"
#include "platform/editbox.h"
#include "platform/keystrokes.h"
#include "platform/scriptedplatform.h"

#include <QApplication>
#include <QDialog>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace zerval {
namespace {

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zerval-tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Left to the end of the process: torn down among the static objects at exit, the
    // application would outlive the keyboard device that the typed keys created.
    new QApplication(argc, argv);
}

void settle() {
    for (int pass = 0; pass < 50; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// The windows built on the linked-field engine, and the plane-angle window, whose two hubs
// follow the same rules.
bool isLinkedFieldWindow(const QDialog* window) {
    return dynamic_cast<const LinkedFieldWindow*>(window) != nullptr ||
           dynamic_cast<const TFormAngulo*>(window) != nullptr;
}

// Fields that hold one part of a compound number (degrees, minutes and seconds of an angle):
// a number typed into one of them joins the parts the other two show, and those follow every
// prefix typed, so typing and pasting rightly differ there.
bool isCompoundPart(const QString& className, int number) {
    return className == QStringLiteral("TFormAngulo") && number >= 8 && number <= 10;
}

// The numeric fields "Edit<n>" that the user can type into, by number.
std::map<int, EditBox*> entryFields(QWidget& window) {
    static const QRegularExpression name(QStringLiteral("^Edit(\\d+)$"));
    std::map<int, EditBox*> fields;
    for (EditBox* box : window.findChildren<EditBox*>()) {
        const auto match = name.match(box->objectName());
        if (match.hasMatch() && box->isVisibleTo(&window) && box->isEnabled() && !box->isReadOnly())
            fields[match.captured(1).toInt()] = box;
    }
    return fields;
}

struct Outcome {
    QStringList texts;    // "Edit<n>=text" for every field
    QStringList messages; // every box shown
    QString entered;      // the text of the field entered into
    bool focusKept = true;
};

void sendCharacter(QWidget* target, QChar character) {
    const int key = character.isDigit() ? Qt::Key_0 + character.digitValue()
                                        : int(character.toUpper().unicode());
    sendKeystroke(target, key, Qt::NoModifier, QString(character));
}

// Opens a fresh window, selects the field's text and enters `number` into it: key by key, or
// pasted with Ctrl+V.
Outcome enter(const QString& className, int number, const QString& text, QChar separator,
              bool typed) {
    auto scripted = std::make_unique<ScriptedPlatform>();
    ScriptedPlatform* platform = scripted.get();
    platform->separator = separator;
    installPlatform(std::move(scripted));
    Outcome outcome;
    {
        const std::unique_ptr<QDialog> window(createWindow(className, nullptr));
        window->show();
        settle();
        std::map<int, EditBox*> fields = entryFields(*window);
        EditBox* box = fields.at(number);
        box->setFocus();
        box->selectAll();
        settle();
        if (typed) {
            for (QChar character : text) {
                if (window->focusWidget() != box) {
                    // The window moved the focus on (a carry of minutes or seconds): what
                    // follows is no longer typed into the field.
                    outcome.focusKept = false;
                    break;
                }
                sendCharacter(box, character);
                settle();
            }
        } else {
            platform->clipboard = text;
            sendKeystroke(box, Qt::Key_V, Qt::ControlModifier, QStringLiteral("v"));
            settle();
        }
        outcome.entered = box->text();
        for (const auto& [n, field] : fields)
            outcome.texts.append(QStringLiteral("Edit%1=%2").arg(n).arg(field->text()));
        for (const RecordedMessage& message : platform->messages)
            outcome.messages.append(message.caption + QLatin1Char('|') + message.text);
        window->hide();
    }
    settle();
    installPlatform(nullptr);
    return outcome;
}

struct Entry {
    const char* text;
    char separator;
};

// Small, large, tiny (below the smallest normal double, and below every double), long digit
// runs and negative numbers, with both decimal separators.
const Entry kEntries[] = {
    {"7", '.'},
    {"98765432109876", '.'},
    {"1E-320", '.'},
    {"1E-400", '.'},
    {"3.14159265358979323846264338327950288", '.'},
    {"100.4", '.'},
    {"123,456", ','},
    {"-12,5", ','},
    {"0,000123456789", ','},
};

// The fields whose typed text differs from the pasted one, as "Edit<n>: typed / pasted".
std::string differences(const Outcome& typed, const Outcome& pasted) {
    QStringList lines;
    for (qsizetype i = 0; i < typed.texts.size() && i < pasted.texts.size(); ++i)
        if (typed.texts[i] != pasted.texts[i])
            lines.append(typed.texts[i] + QStringLiteral(" typed, pasted ") +
                         pasted.texts[i].section(QLatin1Char('='), 1));
    return lines.join(QLatin1Char('\n')).toStdString();
}

std::vector<std::string> windowNames() {
    std::vector<std::string> names;
    for (const QString& name : builtWindows())
        names.push_back(name.toStdString());
    return names;
}

class TypedAsPasted : public ::testing::TestWithParam<std::string> {};

TEST_P(TypedAsPasted, EveryFieldShowsWhatTheWholeNumberGives) {
    ensureApplication();
    const QString className = QString::fromStdString(GetParam());
    installPlatform(std::make_unique<ScriptedPlatform>());
    std::vector<int> numbers;
    bool linked = false;
    {
        const std::unique_ptr<QDialog> window(createWindow(className, nullptr));
        linked = isLinkedFieldWindow(window.get());
        for (const auto& [number, box] : entryFields(*window))
            if (!isCompoundPart(className, number)) numbers.push_back(number);
    }
    installPlatform(nullptr);
    if (!linked) GTEST_SKIP() << "not a linked-field window";
    ASSERT_FALSE(numbers.empty());
    for (int number : numbers) {
        for (const Entry& entry : kEntries) {
            const QChar separator = QLatin1Char(entry.separator);
            const QString text = QString::fromLatin1(entry.text);
            const Outcome pasted = enter(className, number, text, separator, false);
            const Outcome typed = enter(className, number, text, separator, true);
            if (!typed.focusKept) continue;
            // A window whose fields take only some characters, or no pasting, refuses the
            // number in one way or the other: there is nothing to compare.
            if (typed.entered != text || pasted.entered != text) continue;
            EXPECT_EQ(differences(typed, pasted), "")
                << className.toStdString() << " Edit" << number << " \"" << entry.text << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LinkedFieldWindows, TypedAsPasted, ::testing::ValuesIn(windowNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

} // namespace
} // namespace zerval
