"""Small picture helpers shared by the level build and its preview."""
import io
import subprocess

from PIL import Image


def svg_to_image(svg_text):
    """Renders SVG text with rsvg-convert and returns an RGBA PIL image."""
    done = subprocess.run(["rsvg-convert", "--format=png"], input=svg_text.encode("utf-8"),
                          capture_output=True)
    if done.returncode != 0:
        raise SystemExit("rsvg-convert failed: " + done.stderr.decode("utf-8", "replace"))
    return Image.open(io.BytesIO(done.stdout)).convert("RGBA")


def alpha_bbox(im, threshold=0):
    """Box of the pixels whose alpha is above threshold (None if there are none)."""
    return im.getchannel("A").point(lambda a: 255 if a > threshold else 0).getbbox()


def crop_to_alpha(im, threshold=0):
    box = alpha_bbox(im, threshold)
    if box is None:
        raise SystemExit("picture is fully transparent")
    return im.crop(box)


def hex_rgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def save_png(im, path):
    """Saves without any time stamp or text chunk, so rebuilding gives the same bytes."""
    im.save(path, format="PNG", optimize=True)
