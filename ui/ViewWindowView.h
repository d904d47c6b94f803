#pragma once

#include "desktop/Desktop.h"
#include "ui/PlantPanel.h"

#include <QTimer>
#include <QWidget>

namespace burgeon {

// The "Tree Visualization" window. It watches the person's input to every window of the
// application: whatever a click, a key or a drag changes, the view draws again.
class ViewWindowView : public QWidget {
    Q_OBJECT
public:
    explicit ViewWindowView(Desktop& desktop);
    ~ViewWindowView() override;

    PlantPanel* panel() const { return panel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();

    Desktop& desktop_;
    PlantPanel* panel_ = nullptr;
    WindowRect placed_;
    bool shownMaximised_ = false;
    QTimer timer_;
};

} // namespace burgeon
