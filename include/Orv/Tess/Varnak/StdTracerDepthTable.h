// StdTracerDepthTable: the library's tracer depth table, two columns of equal length.
//
// Copies duplicate both columns. Tracer models share their tables through shared
// handles; copying a table object itself gives an independent table.
#ifndef ORV_TESS_VARNAK_STDTRACERDEPTHTABLE_H
#define ORV_TESS_VARNAK_STDTRACERDEPTHTABLE_H

#include <vector>

#include "Orv/Tess/Varnak/Export.h"
#include "Orv/Tess/Varnak/ITracerDepthTable.h"

namespace Orv::Tess::Varnak {

class ORV_TESS_VARNAK_API StdTracerDepthTable : public ITracerDepthTable {
 public:
  // Construction, copies and moves as the description at the top of this header says.
  StdTracerDepthTable();
  StdTracerDepthTable(StdTracerDepthTable const&) = default;
  StdTracerDepthTable(StdTracerDepthTable&&) = default;
  // Strong guarantee: on failure the target is left as it was.
  StdTracerDepthTable& operator=(StdTracerDepthTable const& other);
  // Copies and moves as the description at the top of this header says.
  StdTracerDepthTable& operator=(StdTracerDepthTable&&) = default;
  ~StdTracerDepthTable() override;

  int getNumDepths() const override;
  void setNumDepths(int n) override;
  double getDepth(int i) const override;
  void setDepth(int i, double value) override;
  double getConcentration(int i) const override;
  void setConcentration(int i, double value) override;

 private:
  // Throws the invalid-index error unless 0 <= i < getNumDepths().
  void validate(int i) const;

  std::vector<double> depths_;
  std::vector<double> concentrations_;  // one per depth
};

}  // namespace Orv::Tess::Varnak

#endif  // ORV_TESS_VARNAK_STDTRACERDEPTHTABLE_H
