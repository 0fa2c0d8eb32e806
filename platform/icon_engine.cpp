#include "icon_engine.h"

#include <QIconEngine>
#include <QPainter>

#include <utility>

namespace platform {
namespace {

// The images of an icon, handed out as they are or scaled down, never kept in
// QPixmapCache: Qt's own icon engine keeps there every pixmap that anybody asks an
// icon for, and the window system asks for the window icon at every change, ten
// times a second with the icon animation, each time of a picture freshly read.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(QList<QPixmap> pixmaps) : pixmaps_(std::move(pixmaps)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        QPixmap best = bestFor(size);
        if (best.width() > size.width() || best.height() > size.height())
            best = best.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return best;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const QPixmap& pixmap : pixmaps_) sizes.push_back(pixmap.size());
        return sizes;
    }
    bool isNull() override { return pixmaps_.isEmpty(); }
    QString key() const override { return QStringLiteral("PictureIconEngine"); }
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

private:
    static bool covers(const QPixmap& pixmap, const QSize& size) {
        return pixmap.width() >= size.width() && pixmap.height() >= size.height();
    }
    // The smallest image at least as large as asked for, else the largest.
    QPixmap bestFor(const QSize& size) const {
        const QPixmap* best = nullptr;
        for (const QPixmap& candidate : pixmaps_) {
            if (!best) {
                best = &candidate;
            } else if (covers(candidate, size)) {
                if (!covers(*best, size) || candidate.width() < best->width()) best = &candidate;
            } else if (!covers(*best, size) && candidate.width() > best->width()) {
                best = &candidate;
            }
        }
        return best ? *best : QPixmap();
    }
    QList<QPixmap> pixmaps_;
};

}  // namespace

QIcon iconOf(const QList<QPixmap>& pixmaps) { return QIcon(new PictureIconEngine(pixmaps)); }  // the icon owns it

}  // namespace platform
