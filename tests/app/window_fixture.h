// A generator window driven headless, with message boxes and the link opener captured.
#pragma once

#include "default_error_handling.h"
#include "export_dialog.h"
#include "form_main.h"
#include "link_opener.h"
#include "messages.h"
#include "output_dialogs.h"
#include <quillmark/barcode.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quillmark::testing {

struct ShownMessage {
    MessageKind Kind;
    QString Text;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setApplicationName(QStringLiteral("Quillmark"));
        // Each test keeps its export choices to itself, and out of the user's own.
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, SettingsDir.path());
        // The export dialog is accepted as it opens.
        SetExportDialogRunner([](TExportDialog&) { return true; });
        SetMessageShower([this](QWidget*, MessageKind Kind, const QString& Text) {
            Messages.push_back({Kind, Text});
        });
        SetLinkOpener([this](const QUrl& Address) { OpenedLinks.push_back(Address); });
        SetQuestionAsker([this](QWidget*, const QString& Text) {
            Questions.push_back(Text);
            return Answer;
        });
        SetSaveFileChooser([this](QWidget*, const QString& Proposed) {
            ProposedNames.push_back(Proposed);
            return ChosenFile;
        });
        InstallDefaultErrorHandling();
        ForgetReportedErrors();
        Form = std::make_unique<TFormMain>();
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        QApplication::processEvents();
    }

    void TearDown() override {
        Form.reset();
        SetMessageShower({});
        SetLinkOpener({});
        SetQuestionAsker({});
        SetSaveFileChooser({});
        SetExportDialogRunner({});
    }

    // Chooses a list entry the way a user does: open the list, click the entry.
    void Choose(const QString& Label) {
        const int index = Form->ComboSelect->findText(Label);
        ASSERT_GE(index, 0) << Label.toStdString();
        Form->ComboSelect->showPopup();
        QAbstractItemView* list = Form->ComboSelect->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
        const QModelIndex item = list->model()->index(index, 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
        QApplication::processEvents();
        ASSERT_FALSE(list->isVisible());
        ASSERT_EQ(Form->ComboSelect->currentIndex(), index);
    }

    void Type(const QString& Text) {
        Form->BarcodeValue->clear();
        QTest::keyClicks(Form->BarcodeValue, Text);
    }

    void Click(QPushButton* Button) {
        QTest::mouseClick(Button, Qt::LeftButton);
        QApplication::processEvents();
    }

    QImage Barcode() const {
        return Form->BarCode1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir SettingsDir;
    std::unique_ptr<TFormMain> Form;
    std::vector<ShownMessage> Messages;
    std::vector<QUrl> OpenedLinks;
    std::vector<QString> Questions; // asked through the question seam
    bool Answer = true;             // the answer they all get
    std::vector<QString> ProposedNames;
    QString ChosenFile; // what the save dialog gives; empty for Cancel
};

} // namespace quillmark::testing
