#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QLineEdit;
class QWidget;

namespace zerval {

class EventWatch;
class ScriptedPlatform;
class TFormPrincipal;

struct SweepOptions {
    // Texts tried per field and separator, drawn from the corpus with a fixed seed; 0 for all.
    int samples = 8;
    quint32 seed = 14;
    // Only these windows; every window of the catalog when empty.
    QStringList windows;
    // Longest prefix of a text that is typed key by key (the whole text is always pasted).
    int typedLength = 40;
};

// The hostile-input sweep: every text of a corpus pasted (from the context menu and with
// Ctrl+V) and typed into every field a user can type in, of every window of the catalog,
// under "." and ",". After each input the program must be alive and responsive, report at
// most one arithmetic error at the top level (never any other error there), show no "inf" or
// "nan", and leave the window consistent.
class Sweep {
public:
    Sweep(ScriptedPlatform& platform, QStringList corpus, SweepOptions options);
    ~Sweep();

    // The number of faults found.
    int run();

private:
    enum class Mode { MenuPaste, KeyPaste, Typed };
    struct Field {
        QString name;
        QPointer<QWidget> control; // what takes the focus: the edit box or the combo box
        QPointer<QLineEdit> editor;
        bool editable = true;
    };
    struct Case {
        QString window;
        QChar separator;
        QString field;
        int text = 0;
        Mode mode = Mode::MenuPaste;
    };

    void sweepWindow(const QString& name, QChar separator);
    bool openWindow(const QString& name);
    void closeWindow();
    QList<Field> fieldsOf(QWidget* window) const;
    bool reach(const Field& field);
    void focusField(const Field& field);
    void typeText(const QString& text, int limit, const Case& current);
    void sendKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    void settle();
    QStringList snapshot() const;
    QStringList readings() const;
    QString statusText() const;
    void tryInput(const Field& field, const Case& current);
    void checkLockedPaste(const Case& current, const Field& field, const QStringList& before,
                          const QStringList& after, int input);
    void checkConsistent(const Case& current, const QStringList& before, int input);
    void fault(const Case& current, const QString& kind, const QString& detail);
    QString reproduction(const Case& current) const;

    ScriptedPlatform& platform_;
    const QStringList corpus_;
    const SweepOptions options_;
    std::unique_ptr<EventWatch> watch_;
    std::unique_ptr<TFormPrincipal> mainWindow_;
    QPointer<QWidget> window_;
    QList<Field> fields_;
    QElapsedTimer clock_;
    // The fields before the last key of a typed text: the one that decides its outcome.
    QStringList beforeLastKey_;

    int windows_ = 0;
    int sweptFields_ = 0;
    int unreachable_ = 0;
    long long inputs_ = 0;
    int faults_ = 0;
    int unjudged_ = 0;
    // The first case of each kind of fault per field is printed; the rest are counted.
    std::map<QString, int> seen_;
};

} // namespace zerval
