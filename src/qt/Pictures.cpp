#include "qt/Pictures.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QThreadPool>
#include <map>
#include <memory>
#include <vector>

#include "qt/QtText.h"

namespace quintara {

namespace {

constexpr const char* kPictureProperty = "quintaraPicture";

// A picture being read ahead of need, and the labels waiting for it. Touched by the GUI thread only.
struct Prefetch {
    bool done = false;
    QImage image;
    std::vector<QPointer<QLabel>> waiting;
};

std::map<std::string, std::shared_ptr<Prefetch>>& Prefetches() {
    static std::map<std::string, std::shared_ptr<Prefetch>> prefetches;
    return prefetches;
}

// Whether the label still asks for the picture of this file.
bool Wants(const QLabel& label, const std::string& path) {
    return label.property(kPictureProperty).toString() == ToQt(path);
}

// A picture decoded here; a stretched one decoded once at the size it is shown (in device pixels), so that
// neither the conversion for the screen nor each paint works on more pixels than are shown.
// Many labels showing one picture at one size (the balls) share one decoding.
QPixmap Decode(const std::string& path, const QLabel& label, bool stretch) {
    QImageReader reader(ToQt(path));
    const QSize size = stretch ? label.contentsRect().size() * label.devicePixelRatio() : QSize();
    const QString key = QStringLiteral("quintara:%1:%2x%3@%4")
                            .arg(reader.fileName())
                            .arg(size.width())
                            .arg(size.height())
                            .arg(label.devicePixelRatio());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) {
        return picture;
    }
    if (!size.isEmpty()) {
        reader.setScaledSize(size);
    }
    picture = QPixmap::fromImage(reader.read());
    if (!size.isEmpty()) {
        picture.setDevicePixelRatio(label.devicePixelRatio());
    }
    QPixmapCache::insert(key, picture);
    return picture;
}

}  // namespace

void PrefetchPicture(const std::string& path) {
    auto prefetch = std::make_shared<Prefetch>();
    Prefetches()[path] = prefetch;
    QThreadPool::globalInstance()->start([prefetch, path] {
        QImage image(ToQt(path));
        // The application outlives the pool's work: it waits for the pool before it goes.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [prefetch, path, image = std::move(image)] {
                prefetch->done = true;
                prefetch->image = image;
                for (const QPointer<QLabel>& label : prefetch->waiting) {
                    if (label != nullptr && Wants(*label, path)) {
                        label->setPixmap(QPixmap::fromImage(image));
                    }
                }
                prefetch->waiting.clear();
            },
            Qt::QueuedConnection);
    });
}

void ShowPicture(QLabel& label, const std::string& path, bool stretch) {
    label.setProperty(kPictureProperty, ToQt(path));
    auto& prefetches = Prefetches();
    const auto found = prefetches.find(path);
    if (found == prefetches.end()) {
        label.setPixmap(path.empty() ? QPixmap() : Decode(path, label, stretch));
        return;
    }
    // A prefetched picture serves the window it was read for; later ones read the file again.
    const std::shared_ptr<Prefetch> prefetch = found->second;
    prefetches.erase(found);
    if (prefetch->done) {
        label.setPixmap(QPixmap::fromImage(std::move(prefetch->image)));
    } else {
        label.setPixmap(QPixmap());
        prefetch->waiting.emplace_back(&label);
    }
}

}  // namespace quintara
