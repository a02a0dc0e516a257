#include "shell/layout.h"

namespace pellamar {

MainLayout ComputeLayout(double window_width, double window_height) {
  MainLayout l;
  l.picture1 = {50, kFraSolHeight, window_width - 200, window_height - kFraSolHeight - 1000};
  l.frame2 = {10, 10, kFrame2Width, l.picture1.height - 100};
  l.command3_top = l.frame2.height - 500;
  l.list3_height = l.frame2.height - 1300;
  l.fra_sol = {window_width - kFraSolWidth, 0, kFraSolWidth, kFraSolHeight};
  double config_left = l.fra_sol.left - kFraConfigWidth;
  if (config_left < 10) config_left = 10;
  l.fra_config = {config_left, l.fra_sol.top, kFraConfigWidth, kFraConfigHeight};
  l.fra_cherche = {0, l.fra_sol.top, kFraChercheWidth, kFraChercheHeight};
  l.frame8 = {0, l.picture1.height - kFrame8Height, kFrame8Width, kFrame8Height};
  const double xc = l.picture1.width / 2, yc = l.picture1.height / 2;
  l.frame3 = {xc - kFrame3Width / 2, yc - kFrame3Height / 2, kFrame3Width, kFrame3Height};
  l.frame4 = {0, -60, kFrame4Width, kFrame4Height};
  l.picture2 = {0, 0, kPicture2Width, kPicture2Height};
  return l;
}

}  // namespace pellamar
