#include <gtest/gtest.h>

#include "main/TForm1.h"

TEST(TForm1, TitleIsProductAndVersion) {
  TForm1 form;
  EXPECT_EQ(form.windowTitle().toStdString(), "Tessvar 4.8");
}
