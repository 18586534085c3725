#pragma once
// Anchored layout: every child of the window with an "anchors" property
// (letters L, T, R, B) keeps its anchored sides at their distance from the
// same sides of the window when the window is resized. A control anchored
// on both sides of an axis grows with the window; on the far side only, it
// moves; otherwise it stays.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

class TAnchors : public QObject {
public:
    static constexpr const char* Property = "anchors";

    // Takes the window's present size and child bounds as the design.
    explicit TAnchors(QWidget* window);

    // Lays the children out for the window's present size.
    void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Item {
        QPointer<QWidget> widget;
        QRect design;
        bool left, top, right, bottom;
    };

    QWidget* window_;
    QSize design_;
    std::vector<Item> items_;
};
