#ifndef VANDREL_TESTS_MODALANSWERS_H
#define VANDREL_TESTS_MODALANSWERS_H

#include <QtTest>
#include <QtWidgets>

#include <functional>

// Answers the modal dialogs the program opens, one answer for each in the order they appear.
class ModalAnswers : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;

    explicit ModalAnswers(QList<Answer> answers) : pending(std::move(answers))
    {
        connect(&poll, &QTimer::timeout, this, &ModalAnswers::answerNewDialog);
        poll.start(0);
    }
    bool allUsedAsExpected() const { return pending.isEmpty() && !unexpectedDialog; }

private:
    void answerNewDialog()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->property("answered").toBool())
            return;
        dialog->setProperty("answered", true);
        if (pending.isEmpty()) {
            unexpectedDialog = true;
            dialog->close();
            return;
        }
        pending.takeFirst()(dialog);
        // An answer that failed a check leaves its dialog open: close it, and the rest unasked.
        if (dialog->isVisible()) {
            pending.clear();
            unexpectedDialog = true;
            dialog->close();
        }
    }

    QList<Answer> pending;
    QTimer poll;
    bool unexpectedDialog = false;
};

inline ModalAnswers::Answer chooseFile(const QString &path, const QString &fileType)
{
    return [=](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        dialog->selectNameFilter(fileType);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // as the Save button does
    };
}

inline ModalAnswers::Answer cancelFileDialog()
{
    return [](QWidget *modal) {
        QVERIFY(qobject_cast<QFileDialog *>(modal));
        qobject_cast<QDialog *>(modal)->reject();
    };
}

// Presses a button of a message box whose text must mention what is given.
inline ModalAnswers::Answer answerMessage(const QString &mentioned,
                                          QMessageBox::StandardButton button)
{
    return [=](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        QVERIFY2(box->text().contains(mentioned), qPrintable(box->text()));
        box->button(button)->click();
    };
}

#endif
