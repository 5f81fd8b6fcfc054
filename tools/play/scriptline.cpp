#include "tools/play/scriptline.h"

namespace zerval {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r');
}

} // namespace

ScriptLine splitScriptLine(const QString& line) {
    ScriptLine result;
    const qsizetype n = line.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n) break;
        if (line[i] == QLatin1Char('#') &&
            (result.words.isEmpty() || i + 1 >= n || isBlank(line[i + 1])))
            break;
        QString word;
        if (line[i] == QLatin1Char('"')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = line[i++];
                if (c == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                if (c != QLatin1Char('\\')) {
                    word += c;
                    continue;
                }
                if (i >= n) break;
                const QChar escaped = line[i++];
                if (escaped == QLatin1Char('"') || escaped == QLatin1Char('\\'))
                    word += escaped;
                else if (escaped == QLatin1Char('n'))
                    word += QLatin1Char('\n');
                else if (escaped == QLatin1Char('t'))
                    word += QLatin1Char('\t');
                else if (escaped == QLatin1Char('0'))
                    word += QChar(0);
                else {
                    result.error =
                        QStringLiteral("unknown escape \\%1 in a quoted argument").arg(escaped);
                    return result;
                }
            }
            if (!closed) {
                result.error = QStringLiteral("a quoted argument is not closed");
                return result;
            }
            if (i < n && !isBlank(line[i])) {
                result.error = QStringLiteral("a closing quote must be followed by a blank");
                return result;
            }
        } else {
            while (i < n && !isBlank(line[i])) {
                if (line[i] == QLatin1Char('"')) {
                    result.error = QStringLiteral("a double quote inside a word; quote the "
                                                  "whole argument");
                    return result;
                }
                word += line[i++];
            }
        }
        result.words.append(word);
    }
    return result;
}

QString escapeText(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c == QChar(0))
            escaped += QStringLiteral("\\0");
        else
            escaped += c;
    }
    return escaped;
}

QString withoutAmpersands(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            plain += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            plain += QLatin1Char('&');
            ++i;
        }
    }
    return plain;
}

bool naturalLess(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype endA = i, endB = j;
            while (endA < a.size() && a[endA].isDigit())
                ++endA;
            while (endB < b.size() && b[endB].isDigit())
                ++endB;
            qsizetype startA = i, startB = j;
            while (startA + 1 < endA && a[startA] == QLatin1Char('0'))
                ++startA;
            while (startB + 1 < endB && b[startB] == QLatin1Char('0'))
                ++startB;
            const QStringView numberA = QStringView(a).mid(startA, endA - startA);
            const QStringView numberB = QStringView(b).mid(startB, endB - startB);
            if (numberA.size() != numberB.size()) return numberA.size() < numberB.size();
            if (const int order = numberA.compare(numberB); order != 0) return order < 0;
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j]) return a[i] < b[j];
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace zerval
