#include "tools/sweep/corpus.h"

#include <QFile>

namespace zerval {

QString corpusText(const QString& line, QString& error) {
    QString text;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (++i >= line.size()) {
            error = QStringLiteral("a backslash ends the line");
            return QString();
        }
        const QChar code = line[i];
        if (code == QLatin1Char('\\')) {
            text += QLatin1Char('\\');
        } else if (code == QLatin1Char('s')) {
            text += QLatin1Char(' ');
        } else if (code == QLatin1Char('t')) {
            text += QLatin1Char('\t');
        } else if (code == QLatin1Char('n')) {
            text += QLatin1Char('\n');
        } else if (code == QLatin1Char('r')) {
            text += QLatin1Char('\r');
        } else if (code == QLatin1Char('u') && i + 1 < line.size() &&
                   line[i + 1] == QLatin1Char('{')) {
            const qsizetype end = line.indexOf(QLatin1Char('}'), i + 2);
            bool ok = false;
            const uint point = end < 0 ? 0 : line.mid(i + 2, end - i - 2).toUInt(&ok, 16);
            if (!ok || point > 0x10FFFF) {
                error = QStringLiteral("a malformed \\u{HEX}");
                return QString();
            }
            // Lone surrogates stay single code units, as a clipboard may hold them.
            if (point > 0xFFFF)
                text += QString::fromUcs4(reinterpret_cast<const char32_t*>(&point), 1);
            else
                text += QChar(char16_t(point));
            i = end;
        } else if (code == QLatin1Char('{')) {
            const qsizetype star = line.indexOf(QLatin1Char('*'), i + 1);
            const qsizetype end = line.indexOf(QLatin1Char('}'), i + 1);
            bool ok = false;
            const int count = star < 0 ? 0 : line.mid(i + 1, star - i - 1).toInt(&ok);
            if (!ok || end < star || count < 0 || count > 100000) {
                error = QStringLiteral("a malformed \\{N*TEXT}");
                return QString();
            }
            QString piece = corpusText(line.mid(star + 1, end - star - 1), error);
            if (!error.isEmpty()) return QString();
            text += piece.repeated(count);
            i = end;
        } else {
            error = QStringLiteral("an unknown escape \\%1").arg(code);
            return QString();
        }
    }
    return text;
}

QStringList loadCorpus(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    QStringList texts;
    int number = 0;
    for (const QByteArray& bytes : file.readAll().split('\n')) {
        ++number;
        QString line = QString::fromUtf8(bytes);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QString text = corpusText(line, error);
        if (!error.isEmpty()) {
            error = QStringLiteral("%1:%2: %3").arg(path).arg(number).arg(error);
            return {};
        }
        texts.append(text);
    }
    return texts;
}

} // namespace zerval
