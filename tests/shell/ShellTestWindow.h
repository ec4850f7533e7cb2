#pragma once
// A small main window with one component of every kind the language
// routines know, named like the real ones, plus a dialog parented to it.

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/ApplyLanguage.h"

class ShellTestWindow : public QMainWindow {
 public:
  ShellTestWindow() {
    mnFile = menuBar()->addMenu("&File");
    mnFile->setObjectName("mnFile");
    mnSave = Named(mnFile->addAction("&Save"), "mnSave");
    n5 = Named(mnFile->addSeparator(), "n5");
    mnExit = Named(mnFile->addAction("&Exit"), "mnExit");
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnHelp");
    mnj1 = Named(help->addAction("Maker"), "mnj1");
    mnj1->setVisible(false);

    auto* bar = addToolBar("tools");
    bar->setObjectName("ToolBar1");
    btfirst = new QToolButton;
    btfirst->setObjectName("btfirst");
    btfirst->setText("First");
    SetHint(btfirst, "First Step");
    bar->addWidget(btfirst);
    bar->addAction("unnamed");

    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    auto* layout = new QVBoxLayout(panel);
    grpShowCandidates = new QGroupBox("Show Candidates");
    grpShowCandidates->setObjectName("grpShowCandidates");
    auto* groupLayout = new QVBoxLayout(grpShowCandidates);
    rb_none = Add<QRadioButton>(groupLayout, "rb_none", "None  (F1)");
    rb_all = Add<QRadioButton>(groupLayout, "rb_all", "All  (F2)");
    disnote1 = Add<QToolButton>(groupLayout, "disnote1", "1");
    disnote1->setProperty(kSpeedButtonProperty, true);
    layout->addWidget(grpShowCandidates);
    btsolve = Add<QToolButton>(layout, "btsolve", "Solve");
    SetHint(btsolve, "Show Solution");
    cbautoupdate = Add<QCheckBox>(layout, "cbautoupdate", "Auto Update Candidates");
    chkcolor = Add<QCheckBox>(layout, "chkcolor", "Marking");
    bt_clearcolor = Add<QPushButton>(layout, "bt_clearcolor", "Clear Marking");
    bt_clearcolor->setProperty(kSpeedButtonProperty, true);
    ndtxt = Add<QLabel>(layout, "ndtxt", "Level");
    QFont big = ndtxt->font();
    big.setPointSize(14);
    big.setBold(true);
    ndtxt->setFont(big);
    plainLabel = Add<QLabel>(layout, "", "A");
    auto* tabs = new QTabWidget;
    tabs->addTab(new QWidget, "one");
    tabs->addTab(new QWidget, "two");
    layout->addWidget(tabs);
    setCentralWidget(panel);
    statusBar()->setObjectName("sb1");

    pp = new QMenu(this);
    pp->setObjectName("pp");
    ppAdd = Named(pp->addAction("Add 1"), "ppAdd");

    dialog = new QDialog(this);
    dialog->setObjectName("frmappearance");
    auto* dialogLayout = new QVBoxLayout(dialog);
    dialogCheckBox = Add<QCheckBox>(dialogLayout, "CheckBox1", "Default Color");
    dialogGroupBox = new QGroupBox("Background");
    dialogGroupBox->setObjectName("GroupBox1");
    dialogLayout->addWidget(dialogGroupBox);
  }

  QMenu* mnFile;
  QAction* mnSave;
  QAction* n5;
  QAction* mnExit;
  QAction* mnj1;
  QToolButton* btfirst;
  QGroupBox* grpShowCandidates;
  QRadioButton* rb_none;
  QRadioButton* rb_all;
  QToolButton* disnote1;
  QToolButton* btsolve;
  QCheckBox* cbautoupdate;
  QCheckBox* chkcolor;
  QPushButton* bt_clearcolor;
  QLabel* ndtxt;
  QLabel* plainLabel;
  QMenu* pp;
  QAction* ppAdd;
  QDialog* dialog;
  QCheckBox* dialogCheckBox;
  QGroupBox* dialogGroupBox;

 private:
  static QAction* Named(QAction* a, const char* name) {
    a->setObjectName(name);
    return a;
  }
  template <class T>
  static T* Add(QLayout* layout, const char* name, const char* text) {
    auto* w = new T;
    w->setObjectName(name);
    w->setText(text);
    layout->addWidget(w);
    return w;
  }
};
