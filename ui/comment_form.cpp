#include "ui/comment_form.h"

#include <QVBoxLayout>

#include "ui/tervala_resources.h"

namespace tervala {

TCommentForm::TCommentForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Comment on shape of the curve");
    setObjectName("CommentForm");
    CommentMemo = new QPlainTextEdit(this);
    CommentMemo->setObjectName("CommentMemo");
    CommentMemo->setReadOnly(true);
    CommentMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    CommentMemo->setPlainText(ReadResourceText(":/texts/comment.txt"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(CommentMemo);
    resize(480, 340);
}

}  // namespace tervala
