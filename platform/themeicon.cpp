#include "platform/themeicon.h"

#include <QIconEngine>
#include <QPainter>

#include <memory>
#include <optional>

namespace zerval {

namespace {

class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::shared_ptr<const std::function<QIcon()>> make)
        : make_(std::move(make)) {}

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
    QString iconName() override { return icon().name(); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }
    QIconEngine* clone() const override { return new DeferredIcon(make_); }

private:
    const QIcon& icon() {
        if (!icon_) icon_ = (*make_)();
        return *icon_;
    }

    std::shared_ptr<const std::function<QIcon()>> make_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon deferredIcon(std::function<QIcon()> make) {
    return QIcon(new DeferredIcon(std::make_shared<const std::function<QIcon()>>(std::move(make))));
}

QIcon themeIcon(const QString& name, const QString& fallback) {
    return deferredIcon([name, fallback] { return QIcon::fromTheme(name, QIcon(fallback)); });
}

} // namespace zerval
