# SPDX-FileCopyrightText: 2026 The velmora developers
# SPDX-License-Identifier: MIT
"""Every model plot, each language's too, drawn with the fonts it names
(rsvg-convert): nothing within 8 px of the picture's edge, where a title, an
axis label or a key sample would be cut off.
  usage: plot_margins_test.py PLOT_DIR..."""

import io
import subprocess
import sys
from pathlib import Path

from PIL import Image

MARGIN = 8  # px of white kept on every side, room for another font
INK = 600  # a pixel darker than this sum of R, G and B is drawn

plots = sorted(p for folder in sys.argv[1:] for p in Path(folder).glob("model-*.svg"))
faults = [] if len(plots) == 4 * len(sys.argv[1:]) > 0 else [f"{len(plots)} plots in {sys.argv[1:]}, not 4 each"]
for plot in plots:
    png = subprocess.run(["rsvg-convert", str(plot)], capture_output=True, check=True).stdout
    with Image.open(io.BytesIO(png)) as image:
        rgb = image.convert("RGB")
    width, height = rgb.size
    edge = [(x, y) for y in range(height) for x in range(width)
            if (min(x, y) < MARGIN or x >= width - MARGIN or y >= height - MARGIN) and sum(rgb.getpixel((x, y))) < INK]
    if edge:
        faults.append(f"{plot}: drawn within {MARGIN} px of its edge, {len(edge)} pixels from {edge[0]} to {edge[-1]}")
for fault in faults:
    print(f"plot_margins_test: {fault}", file=sys.stderr)
print(f"plot_margins_test: {len(plots)} plots checked")
sys.exit(1 if faults else 0)
