#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QAction;
class QTableWidget;
class QWidget;

namespace zerval {

class EventWatch;
class ScriptedPlatform;
class TFormPrincipal;

// Runs a zerval-play script against the program's real windows on the scripted platform:
// one command a line, checks counted, script errors reported on standard error with their
// line number.
class Player {
public:
    explicit Player(ScriptedPlatform& platform);
    ~Player();

    // The exit status: 0 when every check passed, 1 when one failed, 2 after a script error.
    int run(const QString& script);

private:
    using Command = void (Player::*)(const QStringList& arguments);
    struct CommandSpec {
        Command run;
        int fewest;
        int most; // -1 for any number
    };
    static const CommandSpec* commandNamed(const QString& name);

    void execute(const QStringList& words);
    void settle();
    void createMainWindow();
    void print(const QString& line);
    void check(bool passed, const QString& failure);
    void scriptError(const QString& message);

    QWidget* currentWindow() const;
    QWidget* control(const QString& name) const;
    QString textOf(const QString& name) const;
    QTableWidget* grid(const QString& name) const;
    QWidget* keyTarget() const;
    void sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    QList<QAction*> menuEntries(bool popup) const;
    QString tempFilePath(const QString& name) const;

    void sep(const QStringList& arguments);
    void env(const QStringList& arguments);
    void unenv(const QStringList& arguments);
    void clock(const QStringList& arguments);
    void calculator(const QStringList& arguments);
    void desktopWindow(const QStringList& arguments);
    void restart(const QStringList& arguments);
    void open(const QStringList& arguments);
    void menu(const QStringList& arguments);
    void popup(const QStringList& arguments);
    void menus(const QStringList& arguments);
    void focus(const QStringList& arguments);
    void type(const QStringList& arguments);
    void key(const QStringList& arguments);
    void select(const QStringList& arguments);
    void selectAll(const QStringList& arguments);
    void paste(const QStringList& arguments);
    void setClip(const QStringList& arguments);
    void click(const QStringList& arguments);
    void rightClick(const QStringList& arguments);
    void drag(const QStringList& arguments);
    void wheel(const QStringList& arguments);
    void pick(const QStringList& arguments);
    void cell(const QStringList& arguments);
    void tab(const QStringList& arguments);
    void slide(const QStringList& arguments);
    void answer(const QStringList& arguments);
    void navigate(const QStringList& arguments);
    void show(const QStringList& arguments);
    void size(const QStringList& arguments);
    void focused(const QStringList& arguments);
    void state(const QStringList& arguments);
    void tip(const QStringList& arguments);
    void printGrid(const QStringList& arguments);
    void style(const QStringList& arguments);
    void messages(const QStringList& arguments);
    void clipboard(const QStringList& arguments);
    void opened(const QStringList& arguments);
    void browsed(const QStringList& arguments);
    void tempFile(const QStringList& arguments);
    void expect(const QStringList& arguments);
    void expectMessage(const QStringList& arguments);
    void noMessage(const QStringList& arguments);
    void expectFocus(const QStringList& arguments);
    void expectStyle(const QStringList& arguments);
    void expectState(const QStringList& arguments);
    void expectTip(const QStringList& arguments);
    void expectClip(const QStringList& arguments);
    void expectOpened(const QStringList& arguments);
    void expectBrowsed(const QStringList& arguments);
    void expectTemp(const QStringList& arguments);
    void shot(const QStringList& arguments);
    void close(const QStringList& arguments);

    ScriptedPlatform& platform_;
    std::unique_ptr<EventWatch> watch_;
    std::unique_ptr<TFormPrincipal> mainWindow_;
    int line_ = 0;
    int passed_ = 0;
    int failed_ = 0;
    int errors_ = 0;
    // The latest target handed to the shell, kept when `opened` forgets the list.
    QString latestOpened_;
};

} // namespace zerval
