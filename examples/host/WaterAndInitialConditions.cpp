// Water with its brine, and an initial condition whose dissolved-gas table is read at
// arbitrary depths and cut at a contact. Units are the host's own (metric here); the
// library stores numbers as given.
#include <cstdio>
#include <exception>
#include <string>

#include "Orv/Tess/Varnak.h"
#include "Sections.h"

namespace ovt = Orv::Tess::Varnak;

namespace {

void printDepthTable(ovt::IDepthTable const& table) {
  std::printf("    %10s %16s\n", "depth (m)", "Rs (sm3/sm3)");
  for (int d = 0; d < table.getNumDepths(); ++d) {
    std::printf("    %10.1f %16.2f\n", table.getDepth(d), table.getProperty(d, 0));
  }
}

}  // namespace

void showWaterAndInitialConditions() {
  std::printf("\nWater properties\n");
  ovt::StdWaterProperties water;
  water.setSurfaceDensity(1025.0);
  water.setPressure(250.0);
  water.setFormationVolumeFactor(1.012);
  water.setCompressibility(4.5e-5);
  water.setViscosity(0.52);
  water.setReferenceTemperature(90.0);
  std::printf("  %-28s %12.1f\n", "surface density (kg/m3)", water.getSurfaceDensity());
  std::printf("  %-28s %12.1f\n", "reference pressure (bar)", water.getPressure());
  std::printf("  %-28s %12.4f\n", "formation volume factor", water.getFormationVolumeFactor());
  std::printf("  %-28s %12.2e\n", "compressibility (1/bar)", water.getCompressibility());
  std::printf("  %-28s %12.3f\n", "viscosity (cP)", water.getViscosity());
  std::printf("  %-28s %12.1f\n", "reference temperature (C)", water.getReferenceTemperature());

  water.makeBrineComponent(ovt::IBrineComponent::SaltMoleculeType::NACL);
  water.makeBrineComponent(ovt::IBrineComponent::SaltMoleculeType::CACL2);
  std::printf("  brine salts:");
  for (int i = 0; i < water.getNumBrineComponents(); ++i) {
    std::printf(" %s", water.getBrineComponent(i).getName().c_str());
  }
  std::printf("\n");
  try {
    water.makeBrineComponent(ovt::IBrineComponent::SaltMoleculeType::NACL);
  } catch (std::exception const& e) {
    std::printf("  a second sodium chloride is refused: %s\n", e.what());
  }

  ovt::IBrinePropertyTable& brine = water.makeBrinePropertyTable();
  brine.setReferencePressure(250.0);
  double const salinity[] = {0.0, 50.0, 100.0};
  double const density[] = {1000.0, 1035.0, 1068.0};
  double const viscosity[] = {0.50, 0.55, 0.61};
  brine.setTableSize(3);
  for (int i = 0; i < 3; ++i) {
    brine.setSaltConcentration(i, salinity[i]);
    brine.setBrineSurfaceDensity(i, density[i]);
    brine.setViscosity(i, viscosity[i]);
  }
  std::printf("  brine property table at %.0f bar\n", brine.getReferencePressure());
  std::printf("    %10s %16s %16s\n", "salt (g/l)", "density (kg/m3)", "viscosity (cP)");
  for (int i = 0; i < brine.getTableSize(); ++i) {
    std::printf("    %10.1f %16.1f %16.2f\n", brine.getSaltConcentration(i),
                brine.getBrineSurfaceDensity(i), brine.getViscosity(i));
  }

  std::printf("\nInitial condition\n");
  ovt::StdInitialCondition equilibrium("EQUIL-1");
  equilibrium.setDatumDepth(2050.0);
  equilibrium.setDatumPressure(235.0);
  equilibrium.setGasOilContactDepth(2000.0);
  equilibrium.setWaterContactDepth(2150.0);
  std::printf("  %s: datum %.1f m at %.1f bar, gas-oil contact %.1f m, water contact %.1f m\n",
              equilibrium.getName().c_str(), equilibrium.getDatumDepth(),
              equilibrium.getDatumPressure(), equilibrium.getGasOilContactDepth(),
              equilibrium.getWaterContactDepth());

  ovt::IDepthTable& rs =
      equilibrium.getDepthTable(ovt::IInitialCondition::Property::SolutionGasOilRatio);
  rs.setNumComponents(1);
  rs.setNumDepths(3);
  double const depths[] = {2000.0, 2100.0, 2200.0};
  double const ratios[] = {118.0, 110.0, 96.0};
  for (int d = 0; d < 3; ++d) {
    rs.setDepth(d, depths[d]);
    rs.setProperty(d, 0, ratios[d]);
  }
  std::printf("  solution gas-oil ratio against depth\n");
  printDepthTable(rs);

  std::printf("  read at other depths\n");
  std::printf("    %10s %16s %16s\n", "depth (m)", "held at ends", "extrapolated");
  for (double depth : {1950.0, 2050.0, 2150.0, 2250.0}) {
    std::printf("    %10.1f %16.2f %16.2f\n", depth, ovt::interpolate(rs, depth, 0, false),
                ovt::interpolate(rs, depth, 0, true));
  }

  ovt::truncate(rs, equilibrium.getWaterContactDepth(), /*keepAbove=*/true,
                /*extrapolate=*/false);
  std::printf("  cut at the water contact, keeping the oil column above it\n");
  printDepthTable(rs);
}
