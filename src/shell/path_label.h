// A label that shows a caption and a file path in one line, the path elided in the
// middle to the width the layout gives it: a long path never widens the window. The
// full path is in its tooltip and copied by its context menu.
#pragma once

#include <QLabel>

class QAction;

namespace torvelix::shell {

class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget* parent = nullptr);

    // Shows caption + path (path in native separators); an empty path clears the label.
    void setPath(const QString& caption, const QString& path);
    const QString& path() const { return path_; }
    // The context-menu action that copies the full path to the clipboard.
    QAction* copyAction() const { return copy_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showElided();

    QString caption_;
    QString path_;
    QAction* copy_ = nullptr;
};

} // namespace torvelix::shell
