#pragma once

#include "desktop/Desktop.h"

#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;

namespace burgeon {

// The "Simulation" window: eight stacked one-tab pages of which the main window's
// tab decides the visible one, and the status bar whose first panel takes the hints.
class ToolWindowView : public QWidget {
    Q_OBJECT
public:
    explicit ToolWindowView(Desktop& desktop);

    QTabWidget* page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    QLabel* statusPanel(int index) const { return panels_[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildTextEditorPage();
    QWidget* buildHelpPage();
    // The page's background panel, named for its hint.
    QWidget* backgroundPanel(const char* objectName, QWidget* content = nullptr);
    // Sends mouse moves over the widget (or its scrolled viewport) to the hints.
    void watchForHint(QWidget* widget, const char* controlName);
    void applyGeometry();
    // Gives the pane the height that takes it to the room above the screen's bottom edge.
    void fitPane(const PaneFit& fit);

    Desktop& desktop_;
    std::array<QTabWidget*, PageCount> pages_{};
    std::array<QLabel*, 3> panels_{};
};

// A page inside a scroll area of its own: a page that does not fit the window's height scrolls,
// and no page makes the window wider than it is.
QWidget* scrolledPage(QWidget* page);

// The bold 13-pixel sans-serif editor font of the text boxes.
QFont editorFont();

// Puts the editor's caret at a byte offset of its UTF-8 text.
void placeCaret(QPlainTextEdit* editor, std::size_t utf8Offset);

} // namespace burgeon
