#pragma once

// What the benches share: the objects they fill the workspace with, pictures to decode, and
// how they time and sum up rounds.
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ObjectCollection.h"

#include <QElapsedTimer>
#include <QImage>
#include <QString>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace bench {

// The workspace's full size: the design's 16-bit counters end here.
constexpr qsizetype fullSize = 32'763;

// Object i of a filled workspace: the three kinds in turn, each with its own name.
inline std::unique_ptr<ModelObject> object(qsizetype i)
{
    std::unique_ptr<ModelObject> made;
    switch (i % 3) {
    case 0:
        made = std::make_unique<clsDisplay>();
        break;
    case 1:
        made = std::make_unique<clsTransition>();
        break;
    default:
        made = std::make_unique<clsAlert>();
        break;
    }
    made->setVarName(QStringLiteral("object%1").arg(i));
    return made;
}

inline void fill(ObjectCollection& objects, qsizetype count)
{
    for (qsizetype i = objects.count() + 1; i <= count; ++i)
        objects.append(object(i));
}

// Milliseconds the work takes.
inline double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Not one flat colour: the decoder and the scaler have real work.
inline void savePicture(const QString& path, int seed)
{
    QImage image(512, 512, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba((x * seed) & 0xff, (y + seed * 7) & 0xff, (x ^ y) & 0xff, 160 + (x + y) % 96);
    }
    image.save(path, "PNG");
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace bench
