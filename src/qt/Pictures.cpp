#include "qt/Pictures.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QThreadPool>
#include <chrono>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "qt/QtText.h"

namespace quintara {

namespace {

constexpr const char* kPictureProperty = "quintaraPicture";

// A picture being read ahead of need, and the labels waiting for it.
struct Prefetch {
    // The size the picture is shown at, in device pixels, once a stretching label has asked for it: the
    // reading thread fits the picture to it, if it comes in time.
    std::mutex mutex;
    QSize shownSize;
    // Touched by the GUI thread only.
    bool done = false;
    QImage image;
    struct Waiting {
        QPointer<QLabel> label;
        bool stretch;
    };
    std::vector<Waiting> waiting;
};

std::map<std::string, std::shared_ptr<Prefetch>>& Prefetches() {
    static std::map<std::string, std::shared_ptr<Prefetch>> prefetches;
    return prefetches;
}

// Pictures being read ahead of need, by file; touched by the GUI thread only.
std::map<std::string, std::shared_future<QImage>>& ReadAhead() {
    static std::map<std::string, std::shared_future<QImage>> readAhead;
    return readAhead;
}

// Whether the label still asks for the picture of this file.
bool Wants(const QLabel& label, const std::string& path) {
    return label.property(kPictureProperty).toString() == ToQt(path);
}

// The size a label shows its picture at, in device pixels; empty when it shows it as it is.
QSize ShownSize(const QLabel& label, bool stretch) {
    return stretch ? label.contentsRect().size() * label.devicePixelRatio() : QSize();
}

// The picture of a file. The format its name gives is tried first: the shipped PNGs are then read without
// any image plugin, where Qt would otherwise load every plugin to ask each about the file. A file whose
// name does not say what it holds is still read by its contents.
QImage ReadPicture(const QString& path) {
    QImageReader byName(path, QFileInfo(path).suffix().toLower().toLatin1());
    byName.setAutoDetectImageFormat(false);
    QImage image = byName.read();
    if (image.isNull()) {
        image = QImageReader(path).read();
    }
    return image;
}

// The picture of a file, from its reading ahead when that is done.
QImage TakeOrReadPicture(const std::string& path) {
    auto& readAhead = ReadAhead();
    if (const auto found = readAhead.find(path); found != readAhead.end()) {
        const std::shared_future<QImage> reading = found->second;
        readAhead.erase(found);
        if (reading.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
            return reading.get();
        }
    }
    return ReadPicture(ToQt(path));
}

// The picture at the size it is shown (when it is stretched), in the pixel format a pixmap keeps, so that
// neither turning it into a pixmap nor each paint works on more pixels than are shown.
QImage FitPicture(QImage image, const QSize& size) {
    if (!size.isEmpty() && !image.isNull() && image.size() != size) {
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (!image.isNull() && image.format() != format) {
        image.convertTo(format);
    }
    return image;
}

QPixmap ToPixmap(QImage image, const QLabel& label, bool stretch) {
    QPixmap picture = QPixmap::fromImage(FitPicture(std::move(image), ShownSize(label, stretch)));
    if (stretch) {
        picture.setDevicePixelRatio(label.devicePixelRatio());
    }
    return picture;
}

// A picture decoded here. Many labels showing one picture at one size (the balls) share one decoding.
QPixmap Decode(const std::string& path, const QLabel& label, bool stretch) {
    const QSize size = ShownSize(label, stretch);
    const QString key = QStringLiteral("quintara:%1:%2x%3@%4")
                            .arg(ToQt(path))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(label.devicePixelRatio());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) {
        return picture;
    }
    picture = ToPixmap(TakeOrReadPicture(path), label, stretch);
    QPixmapCache::insert(key, picture);
    return picture;
}

}  // namespace

void PrefetchPicture(const std::string& path) {
    auto prefetch = std::make_shared<Prefetch>();
    Prefetches()[path] = prefetch;
    QThreadPool::globalInstance()->start([prefetch, path] {
        QImage image = ReadPicture(ToQt(path));
        QSize size;
        {
            const std::lock_guard lock(prefetch->mutex);
            size = prefetch->shownSize;
        }
        image = FitPicture(std::move(image), size);
        // The application outlives the pool's work: it waits for the pool before it goes.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [prefetch, path, image = std::move(image)]() mutable {
                prefetch->done = true;
                const auto waiting = std::exchange(prefetch->waiting, {});
                if (waiting.empty()) {
                    prefetch->image = std::move(image);  // for the window about to ask for it
                    return;
                }
                for (const auto& [label, stretch] : waiting) {
                    if (label != nullptr && Wants(*label, path)) {
                        label->setPixmap(ToPixmap(image, *label, stretch));
                    }
                }
            },
            Qt::QueuedConnection);
    });
}

void ReadAheadPictures(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        auto reading = std::make_shared<std::promise<QImage>>();
        ReadAhead()[path] = reading->get_future().share();
        QThreadPool::globalInstance()->start(
            [reading, path] { reading->set_value(ReadPicture(ToQt(path))); });
    }
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
        label.setPixmap(ToPixmap(std::move(prefetch->image), label, stretch));
    } else {
        {
            const std::lock_guard lock(prefetch->mutex);
            prefetch->shownSize = ShownSize(label, stretch);
        }
        label.setPixmap(QPixmap());
        prefetch->waiting.push_back({&label, stretch});
    }
}

}  // namespace quintara
