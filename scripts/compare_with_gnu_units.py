#!/usr/bin/env python3
"""Every conversion of velkari-cli's fifteen table categories against GNU units.

For each category, every unit's size is asked of GNU units (`units -t`), from GNU units'
own definitions, and every cell (from each unit into every unit, at several amounts) that
velkari-cli writes in its JSON output is compared with the ratio of those sizes. The few
units whose meaning here is a convention GNU units names differently are given to it in
that convention (the metric centner, the kitchen's drops, a cycle as one revolution).
Prints each disagreement and a summary; exits 1 when any cell differs by more than one
part in 10^9.

usage: scripts/compare_with_gnu_units.py [path/to/velkari-cli]   (needs GNU units: apt-get install units)
"""
import json
import subprocess
import sys

CLI = sys.argv[1] if len(sys.argv) > 1 else "build/dev/cli/velkari-cli"
AMOUNTS = ["1", "3.7", "1234.5", "0.001"]
WHOLE_AMOUNTS = ["1", "37", "12345"]  # Energy's value box takes whole numbers
TOLERANCE = 1e-9

# Category: (GNU units expression of the base, [expression of each unit, in tab order]).
DRAM = "(1|8 usfloz)"
REV = "revolution/s"
UNITS = {
    "Angle": ("radian", ["radian", "gon", "degree", "arcmin", "arcsec"]),
    "Area": ("m^2", ["km^2", "hectare", "m^2", "cm^2", "mm^2", "mile^2", "intacre",
                     "100 ft^2", "yd^2", "ft^2", "in^2"]),
    "Computer Storage": ("bit", ["Gibit", "Mibit", "Kibit", "bit", "GiB", "MiB", "KiB", "byte"]),
    "Cooking": ("m^3", [f"{DRAM}/57", f"4.75 {DRAM}/57", f"9.5 {DRAM}/57", "ml", "dl",
                        f"{DRAM}/3", DRAM, "usteaspoon", "ustablespoon", "usfloz", "uscup",
                        "in^3", "uspint", "usquart", "liter", "usgallon"]),
    "Energy": ("J", ["MJ", "kJ", "J", "1e6 cal_IT", "1e3 cal_IT", "cal_IT", "kW hr", "W hr",
                     "W s"]),
    "Frequency": (REV, [REV, "degree/hour", "degree/minute", "degree/s", f"1e-3 {REV}", REV,
                        f"1e3 {REV}", f"1e6 {REV}", f"1e9 {REV}", f"1e12 {REV}",
                        "radian/hour", "radian/minute", "radian/s", "revolution/hour",
                        "revolution/minute", "revolution/s"]),
    "Length": ("m", ["km", "m", "dm", "cm", "mm", "micron", "nm", "angstrom", "mile", "yard",
                     "foot", "inch"]),
    "Light": ("cd/m^2", ["nit", "stilb", "lambert", "footlambert", "cd/m^2", "cd/cm^2",
                         "cd/ft^2", "cd/in^2"]),
    "Power": ("W", ["MW", "kW", "W", "1e3 cal_IT/s", "cal_IT/s", "hp", "J/s", "J/hour"]),
    "Pressure": ("Pa", ["bar", "kPa", "hPa", "millibar", "Pa", "kgf/cm^2", "kgf/m^2", "ksi",
                        "psi", "lbf/ft^2"]),
    "Speed": ("m/s", ["km/s", "m/s", "km/hour", "m/minute", "mile/s", "mile/hour", "ft/s"]),
    "Time": ("s", ["100 gregorianyear", "week", "day", "hour", "minute", "s"]),
    "Torque": ("N m", ["dyne cm", "ft lbf", "in lbf", "kgf m", "N m"]),
    "Volume": ("m^3", ["m^3", "dm^3", "cm^3", "mm^3", "hectoliter", "decaliter", "liter",
                       "deciliter", "centiliter", "milliliter", "microliter", "intacre ft",
                       "yd^3", "ft^3", "in^3", "bbl", "usgallon", "usquart", "uspint", "usfloz"]),
    "Weight": ("kg", ["1e6 kg", "tonne", "100 kg", "kg", "g", "cg", "mg", "ug", "lb", "oz",
                      "N/gravity", "metriccarat"]),
}


def gnu_size(expression, base):
    out = subprocess.run(["units", "-t", "-d", "17", expression, base], capture_output=True,
                         text=True, check=True).stdout.split()
    return float(out[0])


def main():
    cells = failures = 0
    for category, (base, expressions) in UNITS.items():
        sizes = [gnu_size(e, base) for e in expressions]
        for source, size in enumerate(sizes):
            for amount in WHOLE_AMOUNTS if category == "Energy" else AMOUNTS:
                out = subprocess.run([CLI, category, amount, str(source), "--format", "json"],
                                     capture_output=True, text=True, check=True).stdout
                results = json.loads(out)["results"]
                if len(results) != len(sizes):
                    print(f"{category}: {len(results)} results, GNU units table has {len(sizes)}")
                    return 1
                for target, result in enumerate(results):
                    expected = float(amount) * size / sizes[target]
                    cells += 1
                    if abs(result["value"] / expected - 1) > TOLERANCE:
                        failures += 1
                        print(f"{category}: {amount} {expressions[source]} in "
                              f"{expressions[target]}: velkari-cli {result['value']!r}, "
                              f"GNU units {expected!r}")
    print(f"{cells} cells compared, {failures} differ by more than {TOLERANCE:g}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
