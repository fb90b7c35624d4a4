#include "RecordingPaintDevice.h"

#include <QPainter>
#include <QTextItem>
#include <gtest/gtest.h>

namespace tessarin::testing {
namespace {

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        const QTransform toDevice = painter()->transform();
        const QRect clip = painter()->hasClipping()
                               ? toDevice.mapRect(painter()->clipBoundingRect()).toAlignedRect()
                               : QRect();
        texts.push_back({item.text(), toDevice.map(p).toPoint(), item.font(), painter()->pen().color(), clip});
    }

    // Shapes and pictures are not recorded.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawPoints(const QPointF*, int) override {}
    void drawEllipse(const QRectF&) override {}

    std::vector<RecordedText> texts;
};

} // namespace

RecordingPaintDevice::RecordingPaintDevice(QSize size) : size_(size), engine_(std::make_unique<RecordingEngine>()) {}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine* RecordingPaintDevice::paintEngine() const { return engine_.get(); }

const std::vector<RecordedText>& RecordingPaintDevice::texts() const {
    return static_cast<const RecordingEngine&>(*engine_).texts;
}

RecordedText onlyText(const std::vector<RecordedText>& texts, const QString& text) {
    RecordedText found;
    int count = 0;
    for (const RecordedText& recorded : texts) {
        if (recorded.text == text) {
            found = recorded;
            ++count;
        }
    }
    EXPECT_EQ(count, 1) << "times \"" << text.toStdString() << "\" was written";
    return found;
}

RecordedText lastText(const std::vector<RecordedText>& texts, const QString& text) {
    for (auto recorded = texts.rbegin(); recorded != texts.rend(); ++recorded) {
        if (recorded->text == text)
            return *recorded;
    }
    ADD_FAILURE() << "\"" << text.toStdString() << "\" was not written";
    return {};
}

std::vector<RecordedText> textsOf(QWidget& widget) {
    RecordingPaintDevice device(widget.size());
    widget.render(&device);
    return device.texts();
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmWidthMM:
        return size_.width() * 254 / 960;
    case PdmHeightMM:
        return size_.height() * 254 / 960;
    case PdmNumColors:
        return 0;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace tessarin::testing
