#ifndef ZINDLE_H
#define ZINDLE_H

#include <QMainWindow>

#include <memory>

class QPlainTextEdit;

// The workbench's only window. (Placeholder until the real window lands: it only offers
// the two panes through which every handler reads input and writes output.)
class Zindle : public QMainWindow
{
    Q_OBJECT

public:
    explicit Zindle(QWidget *parent = nullptr);
    ~Zindle() override;

    QPlainTextEdit *inputEdit() const;
    QPlainTextEdit *outputEdit() const;

private:
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // ZINDLE_H
