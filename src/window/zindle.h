#ifndef ZINDLE_H
#define ZINDLE_H

#include <QMainWindow>

#include <memory>

class QAction;
class QCloseEvent;
class QModelIndex;
class QPlainTextEdit;
class QTimerEvent;

// The workbench's only window: the program editor, the input and output panes, the live tape
// and the challenge pane, with every command as an action. It owns the machine, its views and
// the handlers, and drives runs from its own timer so the window stays live while a program runs.
class Zindle : public QMainWindow
{
    Q_OBJECT

public:
    explicit Zindle(QWidget *parent = nullptr);
    ~Zindle() override;

    // The panes through which every handler reads input and writes output.
    QPlainTextEdit *inputEdit() const;
    QPlainTextEdit *outputEdit() const;

public slots:
    void changed();
    void unchanged();
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    void on_actionLength_triggered();
    void on_actionTapeLength_triggered();
    void on_actionMaximumValue_triggered();
    void on_actionAlphabet_triggered(bool checked);
    void on_actionRun_triggered();
    void on_actionStep_triggered();
    void on_actionHalt_triggered();
    void on_buttonTest_clicked();
    void helpIndex();
    void helpAbout();
    void selectChallenge(const QModelIndex &index);
    void step(QAction *action);

protected:
    void timerEvent(QTimerEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // Every program file name comes from the user through here: the open or the save dialog
    // with this caption and filter. An empty name means the user cancelled.
    enum class FileDialog { Open, Save };
    virtual QString askFileName(FileDialog dialog, const QString &caption, const QString &filter);

private:
    // Run control.
    void startRun();
    void stopRun();
    void runSteps(int count);
    void stepTo(int mode);
    void restartTimer();
    void updateViews();

    // The number of the eight command characters in the program editor.
    int commandCount() const;

    // Program files. saveFile() and loadFile() take the file name on success only and tell
    // the user about a failure themselves; false means nothing changed.
    bool maybeSave();
    QString askSaveName();
    bool saveFile(const QString &name);
    bool loadFile(const QString &name);

    // Challenge tests.
    void testCasePassed();
    void testFailed();
    void endTest();

    Q_DISABLE_COPY(Zindle)
    struct Private;
    const std::unique_ptr<Private> d;
};

#endif // ZINDLE_H
