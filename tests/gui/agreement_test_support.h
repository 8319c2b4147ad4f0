#pragma once

#include "dialogs/agreement_flags.h"
#include "dialogs/agreement_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace dialogstest {

inline QCheckBox& Check1(dialogs::AgreementWindow& window) {
  auto* box = window.findChild<QCheckBox*>(QStringLiteral("Check1"));
  EXPECT_NE(box, nullptr);
  return *box;
}

inline QPushButton& Button(dialogs::AgreementWindow& window, const char* name) {
  auto* button = window.findChild<QPushButton*>(QLatin1String(name));
  EXPECT_NE(button, nullptr);
  return *button;
}

// Runs `action` once the agreement's window is on screen, checking from a
// timer, so it can drive a window that a wait is watching.
inline void WhenShown(dialogs::Agreement agreement,
                      std::function<void(dialogs::AgreementWindow&)> action) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, agreement, action = std::move(action)] {
    dialogs::AgreementWindow* window = dialogs::LoadedAgreement(agreement);
    if (!window || !window->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(*window);
  });
  poll->start();
}

// Accepts the terms window and then the licence window as each comes up,
// after `look` has seen it; the number accepted so far goes to `accepted`.
inline void AcceptBothWhenShown(int& accepted,
                                std::function<void(dialogs::AgreementWindow&)> look = {}) {
  auto accept = [&accepted, look](dialogs::AgreementWindow& window) {
    if (look) look(window);
    Check1(window).setChecked(true);
    Button(window, "Command1").click();
    ++accepted;
  };
  WhenShown(dialogs::Agreement::Terms, [accept](dialogs::AgreementWindow& terms) {
    accept(terms);
    WhenShown(dialogs::Agreement::License, accept);
  });
}

// Leaves no window or flag behind for the next case; deleting skips Form_Unload.
class AgreementFixture : public ::testing::Test {
 protected:
  void SetUp() override { ResetFlags(); }
  void TearDown() override {
    for (auto agreement : {dialogs::Agreement::Terms, dialogs::Agreement::License})
      delete dialogs::LoadedAgreement(agreement);
    ResetFlags();
  }
  static void ResetFlags() {
    dialogs::FirstStart = false;
    dialogs::TermsAccepted = false;
    dialogs::LicenseAccepted = false;
  }
};

}  // namespace dialogstest
