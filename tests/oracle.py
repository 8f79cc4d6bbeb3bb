#!/usr/bin/env python3
"""Random chains of the calculator's functions and operations on long typed
numbers, each with its value worked out independently at 1000 digits by
mpmath. Prints one chain a line, fields separated by tabs: the starting
number, the steps, then "=" and the 14 digits the calculator must show.

    oracle.py [count [seed]]
"""
import random
import sys

from mpmath import mp, mpf

DIGITS = 1000


def typed(rng):
    """A long typed number with an exponent from -300 to 300."""
    mantissa = str(rng.randint(1, 10 ** rng.randint(1, 20)))
    point = rng.randint(1, len(mantissa))
    text = mantissa[:point] + ("." + mantissa[point:] if point < len(mantissa) else "")
    return "%sE%d" % (text, rng.randint(-300, 300))


def rounded(value, digits=14):
    """The value to `digits` digits, ties away from zero, in %g form."""
    if value == 0:
        return "0"
    negative = value < 0
    size = abs(value)
    exponent = int(mp.floor(mp.log10(size)))
    scaled = int(mp.floor(size * mpf(10) ** (59 - exponent)))
    if scaled >= 10 ** 60:
        scaled //= 10
        exponent += 1
    elif scaled < 10 ** 59:
        scaled = int(mp.floor(size * mpf(10) ** (60 - exponent)))
        exponent -= 1
    all_digits = str(scaled)
    kept = int(all_digits[:digits]) + (1 if all_digits[digits] >= "5" else 0)
    if kept == 10 ** digits:
        kept //= 10
        exponent += 1
    kept = str(kept).rstrip("0") or "0"
    if exponent < -4 or exponent >= digits:
        body = kept[0] + ("." + kept[1:] if len(kept) > 1 else "")
        body += "e%s%02d" % ("-" if exponent < 0 else "+", abs(exponent))
    elif exponent >= 0:
        whole = kept[: exponent + 1].ljust(exponent + 1, "0")
        body = whole + ("." + kept[exponent + 1 :] if len(kept) > exponent + 1 else "")
    else:
        body = "0." + "0" * (-exponent - 1) + kept
    return ("-" if negative else "") + body


def radians(x, unit):
    # Degrees are reduced modulo 360 first, exactly for a whole angle.
    return x if unit == "r" else (x % 360) * mp.pi / 180


def degrees(x, unit):
    return x if unit == "r" else x * 180 / mp.pi


def step(rng, x, start):
    """One step that keeps x in range and in the function's domain: its
    text and its value, or None."""
    size = abs(x)
    unit = rng.choice("rd")
    choices = ["+", "-", "*", "/", "sq", "inv", "cube", "cbrt", "atan", "pair"]
    # Past 10^300 an angle's place in the turn is beyond 1000 digits.
    if size < mpf(10) ** 300:
        choices += ["sin", "cos"]
    if x > 0:
        choices += ["ln", "log", "sqrt", "pow", "root"]
    if size < 600:
        choices += ["exp", "exp10"]
    if size <= 1:
        choices += ["asin", "acos"]
    if x != start:
        choices += ["-start"]
    name = rng.choice(choices)
    if name in "+-*/":
        text = typed(rng)
        y = mpf(text.replace("E", "e"))
        value = {"+": x + y, "-": x - y, "*": x * y, "/": x / y}[name]
        return "%s %s" % (name, text), value
    if name == "pow":
        y = rng.choice([2, 3, -1, 0.5, 1.5, rng.randint(2, 40)])
        return "pow %s" % y, mp.power(x, mpf(y))
    if name == "root":
        n = rng.randint(2, 9)
        return "root %d" % n, mp.root(x, n)
    if name == "-start":
        return name, x - start
    if name == "pair":
        # A function and its inverse, the start taken away: 0.
        pairs = [("sq", "sqrt")] if x > 0 else [("cube", "cbrt")]
        if x > 0:
            pairs += [("ln", "exp"), ("log", "exp10")]
        if size < 1:
            pairs += [("sin r", "asin r"), ("tan r", "atan r")]
        if size < 90:
            pairs += [("sin d", "asin d"), ("tan d", "atan d")]
        first, second = rng.choice(pairs)
        return "%s\t%s\t-start" % (first, second), mpf(0) if x == start else None
    if name in ("sin", "cos", "tan"):
        return "%s %s" % (name, unit), getattr(mp, name)(radians(x, unit))
    if name in ("asin", "acos", "atan"):
        return "%s %s" % (name, unit), degrees(getattr(mp, name)(x), unit)
    functions = {"sq": lambda v: v * v, "cube": lambda v: v ** 3, "inv": lambda v: 1 / v,
                 "cbrt": lambda v: mp.cbrt(v) if v >= 0 else -mp.cbrt(-v), "ln": mp.ln,
                 "log": mp.log10, "sqrt": mp.sqrt, "exp": mp.exp, "exp10": lambda v: mpf(10) ** v}
    return name, functions[name](x)


def chain(rng):
    start_text = typed(rng)
    if rng.random() < 0.3:
        start_text = "-" + start_text
    start = mpf(start_text.replace("E", "e"))
    steps, x = [], start
    for _ in range(rng.randint(1, 6)):
        taken = step(rng, x, start)
        if taken is None or taken[1] is None:
            continue
        text, value = taken
        if not isinstance(value, mpf):
            continue
        if value != 0 and not (mpf(10) ** -3000 < abs(value) < mpf(10) ** 3000):
            break
        steps.append(text)
        x = value
        if text.endswith("-start"):
            break
    return start_text, steps


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 2000
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 27)
    mp.dps = DIGITS
    for _ in range(count):
        start_text, steps = chain(rng)
        # Worked out again at more digits: a value that moves is what is
        # left of a cancellation to 0.
        values = []
        for digits in (DIGITS, DIGITS + 100):
            mp.dps = digits
            x = start = mpf(start_text.replace("E", "e"))
            for text in "\t".join(steps).split("\t") if steps else []:
                x = evaluate(text, x, start)
            values.append(x)
        noise = values[0] != 0 and abs(values[0] - values[1]) > abs(values[0]) * mpf(10) ** -50
        mp.dps = DIGITS
        print("\t".join([start_text] + steps + ["=" + ("0" if noise else rounded(values[0]))]))


def evaluate(text, x, start):
    parts = text.split(" ")
    name = parts[0]
    if name in "+-*/" and len(parts) == 2:
        y = mpf(parts[1].replace("E", "e"))
        return {"+": x + y, "-": x - y, "*": x * y, "/": x / y}[name]
    if name == "pow":
        return mp.power(x, mpf(parts[1]))
    if name == "root":
        return mp.root(x, int(parts[1]))
    if name == "-start":
        return x - start
    if name in ("sin", "cos", "tan"):
        return getattr(mp, name)(radians(x, parts[1]))
    if name in ("asin", "acos", "atan"):
        return degrees(getattr(mp, name)(x), parts[1])
    return {"sq": lambda v: v * v, "cube": lambda v: v ** 3, "inv": lambda v: 1 / v,
            "cbrt": lambda v: mp.cbrt(v) if v >= 0 else -mp.cbrt(-v), "ln": mp.ln, "log": mp.log10,
            "sqrt": mp.sqrt, "exp": mp.exp, "exp10": lambda v: mpf(10) ** v}[name](x)


if __name__ == "__main__":
    main()
