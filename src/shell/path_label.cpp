// The elided path label of the report page.
#include "path_label.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontMetrics>

namespace torvelix::shell {

namespace {

constexpr int kMinimumCharacters = 12;

} // namespace

PathLabel::PathLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    copy_ = new QAction(QStringLiteral("Копировать путь"), this);
    copy_->setEnabled(false);
    connect(copy_, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setText(QDir::toNativeSeparators(path_)); });
    addAction(copy_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PathLabel::setPath(const QString& caption, const QString& path) {
    caption_ = caption;
    path_ = path;
    setToolTip(QDir::toNativeSeparators(path));
    copy_->setEnabled(!path.isEmpty());
    showElided();
}

QSize PathLabel::sizeHint() const {
    return minimumSizeHint();
}

QSize PathLabel::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.averageCharWidth() * kMinimumCharacters, metrics.height()};
}

void PathLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showElided();
}

void PathLabel::showElided() {
    if (path_.isEmpty()) {
        setText(QString());
        return;
    }
    const QFontMetrics metrics(font());
    const int room = std::max(0, contentsRect().width() - metrics.horizontalAdvance(caption_));
    setText(caption_ + metrics.elidedText(QDir::toNativeSeparators(path_), Qt::ElideMiddle, room));
}

} // namespace torvelix::shell
