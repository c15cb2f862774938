#include <cstdio>

#include "Orv/Tess/Varnak.h"
#include "Sections.h"

namespace ovt = Orv::Tess::Varnak;

namespace {

// One bubble point of the live oil and how the oil behaves when compressed above it.
struct SaturatedState {
  double gasOilRatio;      // sm3/sm3
  double bubblePoint;      // bara
  double bubblePointBo;    // rm3/sm3
  double bubblePointMu;    // cP
  double compressibility;  // 1/bar
  double viscosibility;    // 1/bar
  int undersaturatedPoints;
};

}  // namespace

void showBlackOilTables() {
  std::printf("\nBlack-oil tables\n");

  // Four bubble points of a light oil, each followed up to 210 bar above it. Bo and
  // viscosity above the bubble point follow the constant-compressibility law.
  SaturatedState const states[] = {
      {35.0, 85.0, 1.120, 1.10, 2.3e-4, 7.0e-4, 4},
      {70.0, 140.0, 1.210, 0.85, 2.0e-4, 6.5e-4, 4},
      {105.0, 195.0, 1.300, 0.68, 1.7e-4, 5.8e-4, 3},
      {140.0, 250.0, 1.400, 0.56, 1.5e-4, 5.0e-4, 3},
  };

  // The model owns its tables; the host fills region 1 through the reference it gets.
  ovt::StdBlackOilModel model("LightOil");
  ovt::IOilTable& oil = model.makeOilTable(1);
  oil.setSurfaceDensity(848.0);
  oil.setSaturatedSize(4);
  for (int i = 0; i < 4; ++i) {
    SaturatedState const& s = states[i];
    ovt::ConstantCompressibilityFunction const bo(s.bubblePoint, s.bubblePointBo,
                                                  -s.compressibility);
    ovt::ConstantCompressibilityFunction const mu(s.bubblePoint, s.bubblePointMu, s.viscosibility);
    oil.setGasOilRatio(i, s.gasOilRatio);
    oil.setUndersaturatedSize(i, s.undersaturatedPoints);
    for (int j = 0; j < s.undersaturatedPoints; ++j) {
      double const p = s.bubblePoint + 70.0 * j;
      oil.setPressure(i, j, p);
      oil.setFormationVolumeFactor(i, j, bo(p));
      oil.setViscosity(i, j, mu(p));
    }
  }

  std::printf("  Model %s holds %d oil table(s)\n", model.getName().c_str(),
              model.getNumOfOilTables());
  std::printf("  Live oil, PVT region 1 (surface density %.1f kg/m3)\n", oil.getSurfaceDensity());
  std::printf("    %-14s %-12s %-14s %s\n", "Rs [sm3/sm3]", "p [bara]", "Bo [rm3/sm3]",
              "mu_o [cP]");
  for (int i = 0; i < oil.getSaturatedSize(); ++i) {
    for (int j = 0; j < oil.getUndersaturatedSize(i); ++j) {
      if (j == 0) {
        std::printf("    %-14.1f", oil.getGasOilRatio(i));
      } else {
        std::printf("    %-14s", "");
      }
      std::printf(" %-12.1f %-14.5f %.4f\n", oil.getPressure(i, j),
                  oil.getFormationVolumeFactor(i, j), oil.getViscosity(i, j));
    }
  }

  double dissolvedGas = 0.0;
  double bubblePoint = 0.0;
  bool const dead = ovt::isDeadOil(oil, &dissolvedGas, &bubblePoint);
  std::printf("  Dead oil: %s (first bubble point %.1f bara)\n",
              dead ? "yes" : "no, the gas-oil ratio changes", bubblePoint);

  std::printf("  Undersaturated fit per row (ln Bo and ln mu_o against pressure)\n");
  std::printf("    %-14s %-16s %-12s %-16s %s\n", "Rs [sm3/sm3]", "c_o [1/bar]", "residual",
              "c_mu [1/bar]", "residual");
  for (int i = 0; i < oil.getSaturatedSize(); ++i) {
    double boResidual = 0.0;
    double muResidual = 0.0;
    double const c = ovt::findConstantUndersaturatedCompressibility(oil, i, &boResidual);
    double const v = ovt::findConstantUndersaturatedViscosibility(oil, i, &muResidual);
    std::printf("    %-14.1f %-16.4e %-12.2e %-16.4e %.2e\n", oil.getGasOilRatio(i), c, boResidual,
                v, muResidual);
  }
  std::printf("  Constant undersaturated compressibility in every row: %s\n",
              ovt::hasConstantUndersaturatedCompressibility(oil) ? "yes" : "no");
}
