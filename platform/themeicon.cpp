#include "platform/themeicon.h"

#include <QIconEngine>
#include <QPainter>

#include <optional>

namespace zerval {

namespace {

class DeferredThemeIcon : public QIconEngine {
public:
    DeferredThemeIcon(QString name, QString fallback)
        : name_(std::move(name))
        , fallback_(std::move(fallback)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return name_; }
    QString key() const override { return QStringLiteral("DeferredThemeIcon"); }
    QIconEngine* clone() const override { return new DeferredThemeIcon(name_, fallback_); }

private:
    const QIcon& icon() {
        if (!icon_) icon_ = QIcon::fromTheme(name_, QIcon(fallback_));
        return *icon_;
    }

    QString name_;
    QString fallback_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon themeIcon(const QString& name, const QString& fallback) {
    return QIcon(new DeferredThemeIcon(name, fallback));
}

} // namespace zerval
