// The key filter, one key into any field state: it swallows the key or delivers it as the
// user typed it or rewritten to the separator or to "E"; a delivered digit, "E" or separator
// leaves a text that converts.
#include "kit/entrykit.h"
#include "kit/numbersyntax.h"
#include "tests/fuzz/fuzzinput.h"
#include "tests/fuzz/silentplatform.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    installSilentPlatform();
    FuzzInput input(data, size);
    const QChar separator = input.separator();
    const char16_t key = input.take<char16_t>();
    const int start = input.take<uint8_t>();
    const int length = input.take<uint8_t>();
    zerval::FieldState field;
    field.text = input.rest().left(300);
    field.selectionStart = std::min<int>(start, int(field.text.size()));
    field.selectionLength = std::min<int>(length, int(field.text.size()) - field.selectionStart);

    const char16_t delivered = zerval::FilterNumericKey(key, field, separator);
    if (delivered == 0) return 0;
    const bool rewritten = delivered == separator.unicode() || delivered == u'E';
    if (delivered != key && !rewritten) std::abort();
    const bool trial = (delivered >= u'0' && delivered <= u'9') || delivered == u'E' ||
                       (delivered == separator.unicode() && delivered != u'-');
    if (!trial) return 0;
    const bool whole = field.selectionLength - field.selectionStart == field.text.size();
    QString prospective = whole ? QString() : field.text;
    prospective.insert(std::min<qsizetype>(field.selectionStart, prospective.size()),
                       QChar(delivered));
    if (!zerval::readNumber(prospective, separator)) std::abort();
    return 0;
}
