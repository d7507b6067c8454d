#!/usr/bin/env python3
"""Writes the shipped general holiday file share/lumidex-album/NationalHoliday.txt.

The file lists the national holidays of Japan from the holiday law of
1948/07/20 to 2099, with the history of every change, one line per entry in
the holiday file format (cp932, CR LF): start year and end year (4 digits
each), the key ("mm/dd", or two month digits, a weekday character and n for
the n-th such weekday), "=" and the name. Substitute holidays and citizens'
holidays are not listed: the calendar derives them from the fixed dates by
the law of each year.

The equinox days get one line per year. The official days are announced a
year ahead from astronomical tables; for the years the law covers the usual
approximation formula gives the same days, and every day is cross-checked
here against an astronomical computation of the equinox (Meeus, Astronomical
Algorithms ch. 27, in Japan Standard Time), so a difference stops the script.

Usage: scripts/make_national_holidays.py [output path]
Deterministic: the same script always writes the same bytes.
"""
import math
import sys

FIRST_YEAR = 1948
LAST_YEAR = 2099
OPEN_END = 9000  # the end year of a line that has no end

# (start year, end year, key, name). End OPEN_END: still in force.
# The law came into force on 1948/07/20, so 1948 has only the holidays after
# that day.
HOLIDAYS = [
    (1949, OPEN_END, "01/01", "元日"),
    (1949, 1999, "01/15", "成人の日"),
    (2000, OPEN_END, "01月2", "成人の日"),
    (1967, OPEN_END, "02/11", "建国記念の日"),
    (1989, 1989, "02/24", "昭和天皇の大喪の礼"),
    (2020, OPEN_END, "02/23", "天皇誕生日"),
    (1959, 1959, "04/10", "皇太子明仁親王の結婚の儀"),
    (1949, 1988, "04/29", "天皇誕生日"),
    (1989, 2006, "04/29", "みどりの日"),
    (2007, OPEN_END, "04/29", "昭和の日"),
    (2019, 2019, "05/01", "天皇の即位の日"),
    (1949, OPEN_END, "05/03", "憲法記念日"),
    (2007, OPEN_END, "05/04", "みどりの日"),
    (1949, OPEN_END, "05/05", "こどもの日"),
    (1993, 1993, "06/09", "皇太子徳仁親王の結婚の儀"),
    (1996, 2002, "07/20", "海の日"),
    (2003, 2019, "07月3", "海の日"),
    (2020, 2020, "07/23", "海の日"),
    (2021, 2021, "07/22", "海の日"),
    (2022, OPEN_END, "07月3", "海の日"),
    (2020, 2020, "07/24", "スポーツの日"),
    (2021, 2021, "07/23", "スポーツの日"),
    (2016, 2019, "08/11", "山の日"),
    (2020, 2020, "08/10", "山の日"),
    (2021, 2021, "08/08", "山の日"),
    (2022, OPEN_END, "08/11", "山の日"),
    (1966, 2002, "09/15", "敬老の日"),
    (2003, OPEN_END, "09月3", "敬老の日"),
    (1966, 1999, "10/10", "体育の日"),
    (2000, 2019, "10月2", "体育の日"),
    (2022, OPEN_END, "10月2", "スポーツの日"),
    (2019, 2019, "10/22", "即位礼正殿の儀"),
    (1990, 1990, "11/12", "即位礼正殿の儀"),
    (1948, OPEN_END, "11/03", "文化の日"),
    (1948, OPEN_END, "11/23", "勤労感謝の日"),
    (1989, 2018, "12/23", "天皇誕生日"),
]

FIRST_VERNAL_EQUINOX_YEAR = 1949  # the 1948 equinox in March was before the law
FIRST_AUTUMNAL_EQUINOX_YEAR = 1948


def formula_day(year, autumn):
    """Day of March (spring) or September (autumn) of the equinox holiday by
    the usual approximation formula for 1900-2099."""
    if year < 1980:
        base = 23.2588 if autumn else 20.8357
        leap = int((year - 1983) / 4)  # truncates toward zero, as the formula says
    else:
        base = 23.2488 if autumn else 20.8431
        leap = (year - 1980) // 4
    return int(base + 0.242194 * (year - 1980) - leap)


def astronomical_day(year, autumn):
    """Day of month of the equinox in Japan Standard Time (UTC+9), from the
    mean equinox of Meeus ch. 27 corrected by the periodic terms; good to a
    few minutes, more than enough except for equinoxes right at midnight."""
    y = (year - 2000) / 1000.0
    if autumn:
        jde0 = 2451810.21715 + 365242.01767 * y - 0.11575 * y**2 + 0.00337 * y**3 + 0.00078 * y**4
    else:
        jde0 = 2451623.80984 + 365242.37404 * y + 0.05169 * y**2 - 0.00411 * y**3 - 0.00057 * y**4
    t = (jde0 - 2451545.0) / 36525
    w = math.radians(35999.373 * t - 2.47)
    dl = 1 + 0.0334 * math.cos(w) + 0.0007 * math.cos(2 * w)
    terms = [
        (485, 324.96, 1934.136), (203, 337.23, 32964.467), (199, 342.08, 20.186),
        (182, 27.85, 445267.112), (156, 73.14, 45036.886), (136, 171.52, 22518.443),
        (77, 222.54, 65928.934), (74, 296.72, 3034.906), (70, 243.58, 9037.513),
        (58, 119.81, 33718.147), (52, 297.17, 150.678), (50, 21.02, 2281.226),
        (45, 247.54, 29929.562), (44, 325.15, 31555.956), (29, 60.93, 4443.417),
        (18, 155.12, 67555.328), (17, 288.79, 4562.452), (16, 198.04, 62894.029),
        (14, 199.76, 31436.921), (12, 95.39, 14577.848), (12, 287.11, 31931.756),
        (12, 320.81, 34777.259), (9, 227.73, 1222.114), (8, 15.45, 16859.074),
    ]
    s = sum(a * math.cos(math.radians(b + c * t)) for a, b, c in terms)
    jde = jde0 + 0.00001 * s / dl
    # Terrestrial time runs about a minute ahead of UTC in these years.
    jd_jst = jde - 69.0 / 86400 + 9.0 / 24
    z = math.floor(jd_jst + 0.5)
    f = jd_jst + 0.5 - z
    alpha = math.floor((z - 1867216.25) / 36524.25)
    a = z + 1 + alpha - alpha // 4
    b = a + 1524
    c = math.floor((b - 122.1) / 365.25)
    d = math.floor(365.25 * c)
    e = math.floor((b - d) / 30.6001)
    return int(b - d - math.floor(30.6001 * e) + f)


def equinox_lines():
    lines = []
    for autumn, month, name, first in (
        (False, 3, "春分の日", FIRST_VERNAL_EQUINOX_YEAR),
        (True, 9, "秋分の日", FIRST_AUTUMNAL_EQUINOX_YEAR),
    ):
        for year in range(first, LAST_YEAR + 1):
            day = formula_day(year, autumn)
            check = astronomical_day(year, autumn)
            if day != check:
                sys.exit(f"{name} {year}: formula gives {day}, astronomy {check}")
            lines.append((year, year, f"{month:02d}/{day:02d}", name))
    return lines


def sort_key(entry):
    start, _, key, _ = entry
    return (key[:2], key[2:] if key[2] == "/" else "/99", start)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "share/lumidex-album/NationalHoliday.txt"
    entries = sorted(HOLIDAYS + equinox_lines(), key=sort_key)
    text = "".join(f"{s:04d}{e:04d}{key}={name}\r\n" for s, e, key, name in entries)
    with open(out, "wb") as f:
        f.write(text.encode("cp932"))


if __name__ == "__main__":
    main()
