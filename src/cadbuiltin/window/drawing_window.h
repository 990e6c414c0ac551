// The drawing window of the built-in CAD backend: a top-level window that shows the
// drawing document, asks the user for points, saves the drawing in each registered format
// (DXF, SVG, PDF), prints it and starts a new drawing. It stays on screen when the main
// window is minimised for picking.
#pragma once

#include "drawing_document.h"
#include "drawing_view.h"
#include "output_formats.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QEventLoop;
class QLabel;
class QPrinter;

namespace torvelix::cad {

class DrawingWindow : public QMainWindow {
    Q_OBJECT

public:
    // Create it without a parent, so that minimising the main window leaves it on screen.
    // It takes the document's change callback to repaint; closing it only hides it and
    // does not keep the program running.
    explicit DrawingWindow(std::shared_ptr<DrawingDocument> document, QWidget* parent = nullptr);
    ~DrawingWindow() override;

    DrawingDocument& document() { return *document_; }
    DrawingView* view() const { return view_; }

    // Brings the window to the front, shows the prompt in the status line and waits, in a
    // local event loop, for a left click in the drawing (with a rubber-band line from
    // `base` when given). Throws CadException when the user presses Esc, closes the
    // window, the program quits, or another request is already waiting.
    Point requestPoint(const std::optional<Point>& base, const std::string& prompt);
    bool isPicking() const { return view_->isPicking(); }
    QString promptText() const;

    // Writes the drawing as DXF; on failure returns false with the reason in `error`.
    bool saveDxf(const QString& path, QString* error = nullptr);
    // Writes the drawing in `format`; on failure returns false with the reason in `error`
    // and an existing file keeps its content. A DXF save marks the drawing saved.
    bool saveIn(const OutputFormat& format, const QString& path, QString* error = nullptr);
    // The formats the save commands offer: DXF, SVG, PDF.
    const OutputFormats& outputFormats() const { return formats_; }

    // Whether the drawing has changes that no save has written.
    bool hasUnsavedDrawing() const;
    // Asks "Сохранить чертеж?" (Да / Нет / Отмена) when the drawing has unsaved changes.
    // True when the caller may go on: nothing to save, saved, or "Нет".
    bool confirmDiscard();
    // The save with a name already chosen. The format is the one the name's suffix names
    // (in any letter case), else `format` (by default DXF), whose suffix is added to a name
    // without one; an existing file is replaced only after the user agrees. True when the
    // drawing was written.
    bool saveAsPath(QString path, const OutputFormat* format = nullptr);
    // Where the save dialog's answer comes from; by default the file dialog. An empty
    // answer means the user cancelled.
    void setSaveNameSource(std::function<QString()> source) { saveNameSource_ = std::move(source); }

    // The small marks of the points picked since the last clearMarkers().
    void clearMarkers();

public slots:
    // Repaints, fitting the view when the drawing has grown beyond it.
    void refresh();
    void fitAll();
    // Starts a new, empty drawing without asking.
    void newDrawing();

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    // The file dialog, then saveAsPath. True when the drawing was written.
    bool saveAs();
    // The same in the named format.
    bool saveAsFormat(const QString& name);
    // The print dialog, then printTo.
    void print();

public:
    // The drawing on the printer's pages at its true scale, from the paper's corner; the
    // printer's page is first set to the drawing's (trueScalePage), which the print
    // dialog may change.
    static void preparePrinter(QPrinter& printer, const DrawingDocument& document);
    void printTo(QPrinter& printer);

private slots:
    void confirmNewDrawing();
    void editVariables();
    void showCursor(const torvelix::cad::Point& point);
    void finishPick(const torvelix::cad::Point& point);
    void cancelPick();

private:
    void createActions();
    void updateState();

    std::shared_ptr<DrawingDocument> document_;
    DrawingView* view_ = nullptr;
    QLabel* promptLabel_ = nullptr;
    QLabel* cursorLabel_ = nullptr;
    QLabel* spaceLabel_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* newAction_ = nullptr;
    QAction* cancelAction_ = nullptr;
    QEventLoop* pickLoop_ = nullptr;
    std::optional<Point> picked_;
    std::uint64_t savedRevision_ = 0;
    std::function<QString()> saveNameSource_;
    OutputFormats formats_;
};

// Point requests answered by clicks in a drawing window.
class WindowPointSource : public PointSource {
public:
    explicit WindowPointSource(DrawingWindow& window) : window_(window) {}
    Point pick(const std::optional<Point>& base, const std::string& prompt) override {
        return window_.requestPoint(base, prompt);
    }

private:
    DrawingWindow& window_;
};

} // namespace torvelix::cad
