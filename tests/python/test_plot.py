"""The pictures: every kind of table drawn to a non-empty file, and the deck command."""

import os

import pytest

import orv_tess_varnak as ovt
from orv_tess_varnak import plot

DECK = os.path.join(os.path.dirname(__file__), "..", "deck", "METRIC.DATA")


def test_each_table_kind_is_drawn_to_png_and_svg(tmp_path):
    model = ovt.StdFluidModels().makeBlackOilModel("Field", False)
    model.makeOilTable(3).set_rows([(50.0, [[150.0, 1.25, 0.9], [250.0, 1.24, 0.92]]),
                                    (100.0, [[200.0, 1.3, 0.8]])])
    model.makeGasTable().set_rows([(50.0, [[2e-4, 0.024, 0.013], [0.0, 0.0238, 0.0132]])])
    depth = model.makeInitialCondition("EQ").getDepthTable(ovt.IInitialCondition.Property.Temperature)
    depth.from_numpy([1000.0, 2000.0], [[60.0], [80.0]])
    written = plot.plot_model(model, tmp_path) + plot.plot_model(model, tmp_path, "svg")
    names = sorted(os.path.basename(p) for p in written)
    assert names == ["Field_EQ_Temperature.png", "Field_EQ_Temperature.svg", "Field_gas.png",
                     "Field_gas.svg", "Field_oil_region3.png", "Field_oil_region3.svg"]
    assert all(os.path.getsize(p) > 1000 for p in written)


@pytest.mark.skipif(not hasattr(ovt, "load_deck"), reason="built without the deck import")
def test_the_command_draws_every_table_of_a_deck(tmp_path, capsys):
    assert plot.main([DECK, "--out", str(tmp_path)]) == 0
    printed = capsys.readouterr().out.split()
    assert "oil_region2" in " ".join(printed) and all(os.path.getsize(p) > 1000 for p in printed)
    with pytest.raises(SystemExit):
        plot.main([str(tmp_path / "missing.DATA"), "--out", str(tmp_path)])
