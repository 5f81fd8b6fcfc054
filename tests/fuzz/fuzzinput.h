#pragma once

#include <QChar>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>

// Reads the fuzzer's bytes as the values a target needs, in order; what runs out reads as 0.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : data_(data)
        , size_(size) {}

    template <typename T> T take() {
        T value{};
        const size_t count = std::min(sizeof(T), size_ - offset_);
        std::memcpy(&value, data_ + offset_, count);
        offset_ += count;
        return value;
    }
    // "." or ",", as a user's locale gives it (an odd byte gives another character now and
    // then, as a locale with another separator would).
    QChar separator() {
        const uint8_t choice = take<uint8_t>();
        if (choice < 120) return QLatin1Char('.');
        if (choice < 240) return QLatin1Char(',');
        return QChar(char16_t(choice));
    }
    // The rest of the bytes as UTF-8 text.
    QString rest() {
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data_ + offset_),
                                               qsizetype(size_ - offset_));
        offset_ = size_;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};
