#pragma once
// The preview: a read-only rich-text control over QTextEdit.
#include <QTextEdit>

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);
};
