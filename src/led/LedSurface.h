#pragma once

#include <QImage>
#include <QWidget>

// The LED clock's screen surface. Drawing goes into a persistent 140 x 27 backing image that
// is shown when the surface is refreshed, enlarged by a whole factor without smoothing so
// the segments stay sharp on dense screens.
class LedSurface : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 140;
    static constexpr int Height = 27;

    explicit LedSurface(QWidget* parent = nullptr);

    QImage& backing() { return m_backing; }
    const QImage& backing() const { return m_backing; }
    QSize sizeHint() const override { return {Width, Height}; }
    // The time the backing image shows, as text, for those who cannot see it.
    void setTimeText(const QString& timeText);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_backing;
};
