#include "tools/play/menuwalk.h"

#include "tools/play/scriptline.h"

#include <QAction>
#include <QMenu>

namespace zerval {

namespace {

QString quoted(const QString& caption) {
    QString text = caption;
    text.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escapeText(text) + QLatin1Char('"');
}

QAction* entryCaptioned(const QList<QAction*>& entries, const QString& caption) {
    for (QAction* entry : entries)
        if (!entry->isSeparator() && withoutAmpersands(entry->text()) == caption) return entry;
    // Captions may carry designed trailing blanks ("Divisas  "); a script may leave them out.
    QAction* trimmed = nullptr;
    for (QAction* entry : entries) {
        if (entry->isSeparator() || withoutAmpersands(entry->text()).trimmed() != caption.trimmed())
            continue;
        if (trimmed) return nullptr;
        trimmed = entry;
    }
    return trimmed;
}

} // namespace

void appendMenuLines(QStringList& lines, const QList<QAction*>& entries, int level) {
    const QString indent(2 * level, QLatin1Char(' '));
    for (const QAction* entry : entries) {
        if (entry->isSeparator()) {
            lines.append(indent + QLatin1Char('-'));
            continue;
        }
        QString line = indent + quoted(entry->text());
        if (!entry->isVisible()) line += QStringLiteral(" [hidden]");
        if (entry->property("columnBreak").toBool()) line += QStringLiteral(" [column]");
        lines.append(line);
        if (QMenu* submenu = entry->menu()) {
            // As when the user opens it: a submenu may get its entries then.
            emit submenu->aboutToShow();
            appendMenuLines(lines, submenu->actions(), level + 1);
        }
    }
}

QAction* findMenuEntry(const QList<QAction*>& entries, const QStringList& captions,
                       QString& error) {
    QList<QAction*> level = entries;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QAction* entry = entryCaptioned(level, captions[i]);
        if (!entry) {
            error = QStringLiteral("no menu entry \"%1\"").arg(captions[i]);
            return nullptr;
        }
        if (!entry->isVisible()) {
            error = QStringLiteral("the menu entry \"%1\" is hidden").arg(captions[i]);
            return nullptr;
        }
        if (!entry->isEnabled()) {
            error = QStringLiteral("the menu entry \"%1\" is disabled").arg(captions[i]);
            return nullptr;
        }
        QMenu* submenu = entry->menu();
        if (i + 1 == captions.size()) {
            if (submenu) {
                error = QStringLiteral("the menu entry \"%1\" opens a submenu; name one of its "
                                       "entries too")
                            .arg(captions[i]);
                return nullptr;
            }
            return entry;
        }
        if (!submenu) {
            error = QStringLiteral("the menu entry \"%1\" has no submenu").arg(captions[i]);
            return nullptr;
        }
        // As when the user opens it.
        emit submenu->aboutToShow();
        level = submenu->actions();
    }
    error = QStringLiteral("no menu entry named");
    return nullptr;
}

} // namespace zerval
