"""The command line every asset writer shares: draw a design, write the file, read it back."""
import argparse
import os
import struct
import sys


def main(description, designs, draw, encode, check, options=(), argv=None):
    """Runs `tool design output [--check] [options]` and answers the exit code.

    draw(design, args) makes the picture from the chosen entry of designs, encode(picture)
    gives the file's bytes and check(data, picture) raises ValueError when a file is not what
    encode meant to write. With --check an existing file is only validated. options are extra
    (flag, argparse keyword arguments) pairs."""
    p = argparse.ArgumentParser(description=description)
    p.add_argument("design", choices=sorted(designs))
    p.add_argument("output")
    p.add_argument("--check", action="store_true", help="validate an existing file instead of writing")
    for flag, kwargs in options:
        p.add_argument(flag, **kwargs)
    args = p.parse_args(argv)
    tool = os.path.splitext(p.prog)[0]
    try:
        picture = draw(designs[args.design], args)
        if not args.check:
            with open(args.output, "wb") as f:
                f.write(encode(picture))
        with open(args.output, "rb") as f:
            check(f.read(), picture)
    except (OSError, ValueError, struct.error) as e:
        print("%s: %s: %s" % (tool, args.output, e), file=sys.stderr)
        return 1
    return 0
