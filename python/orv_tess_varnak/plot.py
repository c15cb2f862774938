"""Pictures of a fluid description's tables, drawn with matplotlib.

PVT tables read more easily as curves than as columns. This module draws

- an oil table: formation volume factor and viscosity against pressure, one curve per
  saturated row (per dissolved gas-oil ratio), with the saturated line through the
  bubble points marked;
- a gas table: formation volume factor and viscosity against pressure, the saturated
  line through the rows' first entries, the undersaturated entries as points;
- a depth table: each component's value against depth, depth increasing downwards.

Each ``plot_…`` function returns the matplotlib Figure and, given a path, writes it there
(PNG or SVG, by the path's suffix). matplotlib is imported only when a picture is drawn.

As a command, it writes one picture per table of a deck:

    python3 -m orv_tess_varnak.plot CASE.DATA --out DIR [--format svg]
"""

import argparse
import os
import sys

# Axis units of the unit systems a deck may be written in, as the deck import stores the
# values (in the deck's own units). Without a unit system the axes carry no unit.
UNITS = {
    "METRIC": {"pressure": "bar", "oil": ("rm3/sm3", "cP"), "gas": ("rm3/sm3", "cP"),
               "depth": "m"},
    "FIELD": {"pressure": "psia", "oil": ("rb/stb", "cP"), "gas": ("rb/Mscf", "cP"),
              "depth": "ft"},
    "LAB": {"pressure": "atm", "oil": ("rcc/scc", "cP"), "gas": ("rcc/scc", "cP"),
            "depth": "cm"},
}


def _with_unit(label, unit):
    return f"{label} [{unit}]" if unit else label


def _figure(title, ylabels, xlabel):
    # A bare Figure, outside pyplot: no window, no change to the caller's backend.
    from matplotlib.figure import Figure

    figure = Figure(figsize=(4.5 * len(ylabels), 4.0), layout="constrained")
    axes = figure.subplots(1, len(ylabels), squeeze=False)[0]
    for ax, ylabel in zip(axes, ylabels):
        ax.set_xlabel(xlabel)
        ax.set_ylabel(ylabel)
        ax.grid(True, alpha=0.3)
    if title:
        figure.suptitle(title)
    return figure, axes


def _finish(figure, path):
    if path is not None:
        figure.savefig(os.fspath(path), dpi=110)
    return figure


def _two_level(table, title, key_label, path, oil, units):
    """Draws an oil (oil=True) or gas table's formation volume factor and viscosity."""
    rows = table.rows()
    system = UNITS.get(units, {})
    b_unit, mu_unit = system.get("oil" if oil else "gas", (None, None))
    figure, axes = _figure(title, [_with_unit("formation volume factor", b_unit),
                                   _with_unit("viscosity", mu_unit)],
                           _with_unit("pressure", system.get("pressure")))
    saturated = []  # (pressure, B, mu) of each row's saturated point
    for key, entries in rows:
        if len(entries) == 0:
            continue
        if oil:
            # The row's entries run from its bubble point upwards in pressure.
            for ax, column in zip(axes, (1, 2)):
                ax.plot(entries[:, 0], entries[:, column], marker=".",
                        label=f"{key_label} {key:g}")
            saturated.append((entries[0, 0], entries[0, 1], entries[0, 2]))
        else:
            # All entries of a row share the row's pressure; the first is saturated.
            label = "undersaturated" if not saturated else None
            for ax, column in zip(axes, (1, 2)):
                ax.plot([key] * len(entries), entries[:, column], linestyle="none",
                        marker="o", markersize=3, color="0.5", label=label)
            saturated.append((key, entries[0, 1], entries[0, 2]))
    if saturated:
        saturated.sort()
        pressures = [p for p, _, _ in saturated]
        for ax, column in zip(axes, (1, 2)):
            ax.plot(pressures, [s[column] for s in saturated], color="black", linestyle="--",
                    marker="s", markersize=4, label="saturated")
    if oil and len(rows) > 12:  # too many rows to name: name the saturated line only
        axes[0].legend(fontsize="small", handles=axes[0].get_lines()[-1:])
    elif saturated:
        axes[0].legend(fontsize="small")
    return _finish(figure, path)


def plot_oil_table(table, path=None, title=None, units=None):
    """Draws an oil table (any IOilTable): formation volume factor and viscosity against
    pressure, one curve per gas-oil ratio, the saturated line dashed. Returns the Figure
    and writes it to path (PNG or SVG) when given. units names the unit system of the
    values ("METRIC", "FIELD", "LAB") for the axis labels."""
    return _two_level(table, title or repr(table).strip("<>"), "Rs", path, True, units)


def plot_gas_table(table, path=None, title=None, units=None):
    """Draws a gas table (any IGasTable): formation volume factor and viscosity against
    pressure, the saturated line dashed and the undersaturated entries as points."""
    return _two_level(table, title or repr(table).strip("<>"), "p", path, False, units)


def plot_depth_table(table, path=None, title=None, names=None, xlabel="value", units=None):
    """Draws a depth table (any IDepthTable): each component's value (xlabel) against
    depth, depth increasing downwards; names labels the components."""
    depths, values = table.to_numpy()
    depth_unit = UNITS.get(units, {}).get("depth")
    figure, axes = _figure(title or repr(table).strip("<>"), [_with_unit("depth", depth_unit)],
                           xlabel)
    ax = axes[0]
    order = depths.argsort()
    for c in range(values.shape[1]):
        label = names[c] if names and c < len(names) else f"component {c}"
        ax.plot(values[order, c], depths[order], marker=".", label=label)
    ax.invert_yaxis()
    if values.shape[1] > 1:
        ax.legend(fontsize="small")
    return _finish(figure, path)


def oil_regions(model):
    """Returns the regions of a black-oil model's oil tables, in increasing order (regions
    counted from 1, as a deck numbers them)."""
    regions, region = [], 1
    wanted = model.getNumOfOilTables()
    while len(regions) < wanted and region <= wanted + 10000:
        if model.getOilTable(region) is not None:
            regions.append(region)
        region += 1
    return regions


def plot_model(model, out_dir, fmt="png", units=None):
    """Writes one picture per table of a black-oil model into out_dir: every oil table,
    the gas table, and the depth tables of every initial condition. Returns the paths."""
    from . import IInitialCondition

    os.makedirs(out_dir, exist_ok=True)
    stem = os.path.join(out_dir, _safe(model.getName()))
    written = []

    def write(draw, table, suffix, **options):
        path = f"{stem}_{suffix}.{fmt}"
        draw(table, path, units=units, **options)
        written.append(path)

    for region in oil_regions(model):
        write(plot_oil_table, model.getOilTable(region), f"oil_region{region}",
              title=f"{model.getName()}: oil, region {region}")
    gas = model.getGasTable()
    if gas is not None:
        write(plot_gas_table, gas, "gas", title=f"{model.getName()}: gas")
    for name in sorted(model.getInitialConditionNames()):
        condition = model.getInitialCondition(name)
        for prop in IInitialCondition.Property.__members__.values():
            if condition.hasDepthTable(prop):
                write(plot_depth_table, condition.getDepthTable(prop),
                      f"{_safe(name)}_{prop.name}", title=f"{name}: {prop.name}",
                      xlabel=prop.name)
    return written


def _safe(name):
    return "".join(ch if ch.isalnum() or ch in "-_." else "_" for ch in name) or "model"


def main(argv=None):
    parser = argparse.ArgumentParser(
        prog="python3 -m orv_tess_varnak.plot",
        description="Writes one picture per table of a simulation input deck.")
    parser.add_argument("deck", help="the deck file (CASE.DATA)")
    parser.add_argument("--out", required=True, help="the folder to write the pictures to")
    parser.add_argument("--format", choices=("png", "svg"), default="png")
    args = parser.parse_args(argv)

    import orv_tess_varnak as ovt

    if not hasattr(ovt, "load_deck"):
        parser.exit(2, "orv_tess_varnak was built without the deck import\n")
    models = ovt.StdFluidModels()
    name = os.path.splitext(os.path.basename(args.deck))[0]
    try:
        report = ovt.load_deck(args.deck, models, name)
    except ovt.DeckError as error:
        parser.exit(1, f"{error}\n")
    model = models.getFluidModel(report.modelName)
    for path in plot_model(model, args.out, args.format, report.unitSystem):
        print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
