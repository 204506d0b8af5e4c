// The question picture beside the question box. The pictures are drawn at the old
// window's fixed positions (x 450..640, y 5..330); the pane shows that area, a little
// enlarged, and repaints the stored picture kind whenever it is painted.
#pragma once

#include <QWidget>

class Lesson;

class Picturepane : public QWidget {
    Q_OBJECT
public:
    explicit Picturepane(Lesson& lesson, QWidget* parent = nullptr);

    static constexpr int left = 450, top = 5, right = 640, bottom = 330;
    static constexpr double zoom = 1.2;

    int kind() const;
    // Tells a screen reader what the picture shows (after a poser set it).
    void describe();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Lesson& lesson_;
};
