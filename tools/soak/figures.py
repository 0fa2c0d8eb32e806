"""The figures of a soak from the workers' results: crashes, hangs, memory of
the longest-lived run of each program, and the memory each window keeps per
opening."""

WARM_SECONDS = 300.0


def slope(points):
    """Least-squares slope of y against x."""
    n = len(points)
    if n < 2:
        return None
    mx = sum(x for x, _ in points) / n
    my = sum(y for _, y in points) / n
    sxx = sum((x - mx) ** 2 for x, _ in points)
    if sxx == 0:
        return None
    return sum((x - mx) * (y - my) for x, y in points) / sxx


def per_opening(rounds):
    """KiB kept per opening once warm: the slope within each round, pooled over the
    rounds that began once their run was warm (a fresh run still fills Qt's caches
    and pages in its libraries, whatever the input); without such rounds, over all
    but the first. Returns (KiB per opening, openings used)."""
    warm = [r["kib"] for r in rounds if r["uptime"] >= WARM_SECONDS]
    used = warm or [r["kib"] for r in rounds[1:]] or [r["kib"][len(r["kib"]) // 2:] for r in rounds]
    sxx = sxy = 0.0
    count = 0
    for values in used:
        n = len(values)
        if n < 2:
            continue
        mx = (n - 1) / 2
        my = sum(values) / n
        sxx += sum((i - mx) ** 2 for i in range(n))
        sxy += sum((i - mx) * (v - my) for i, v in enumerate(values))
        count += n
    return (sxy / sxx if sxx else None), count


def memory(result):
    """Resident memory of the longest-lived run: at its start, once warm, at its end,
    and its growth per minute after warming."""
    samples = result["rss"]
    if not samples:
        return {}
    by_instance = {}
    for t, inst, up, kib in samples:
        by_instance.setdefault(inst, []).append((up, kib))
    inst, points = max(by_instance.items(), key=lambda item: item[1][-1][0])
    started = [p for p in points if p[0] > 0.5] or points
    warm = [p for p in points if p[0] >= WARM_SECONDS]
    growth = slope([(up / 60, kib) for up, kib in warm]) if len(warm) >= 3 else None
    return {"instance": inst, "lived_s": points[-1][0], "start_kib": started[0][1],
            "warm_kib": warm[0][1] if warm else None, "end_kib": points[-1][1],
            "max_kib": max(k for _, _, _, k in samples),
            "growth_kib_per_min": round(growth, 1) if growth is not None else None}


def report(results):
    lines = []
    for r in results:
        lines.append(f"== {r['program']}  ({r['seconds'] / 60:.1f} min on display {r['display']})")
        lifetimes = [i.get("uptime") or 0 for i in r["instances"]]
        lines.append(f"   runs: {len(r['instances'])} (ended normally and started again: {r['ends']}; "
                     f"longest {max(lifetimes) / 60:.1f} min)")
        lines.append(f"   crashes: {len(r['crashes'])}   hangs: {len(r['hangs'])}   "
                     f"stalls (answered late): {len(r['stalls'])}   "
                     f"pings answered: {r['ping_answers']} (slowest {r['ping_max']} s)")
        m = memory(r)
        if m:
            lines.append(f"   RSS (run {m['instance']}, {m['lived_s'] / 60:.1f} min): start {m['start_kib'] / 1024:.1f} MiB, "
                         f"warm {_mib(m['warm_kib'])}, end {m['end_kib'] / 1024:.1f} MiB, "
                         f"after warming {_num(m['growth_kib_per_min'])} KiB/min; "
                         f"highest of all runs {m['max_kib'] / 1024:.1f} MiB")
        lines += _wrapped("RSS every 30 s, MiB (| a new run):", _series(r["rss"]))
        lines.append("   window                               openings  KiB kept per opening (openings measured)")
        titles = sorted(set(r["openings"]) | set(r["rounds"]))
        for title in titles:
            kept, used = per_opening(r["rounds"].get(title, []))
            measured = f"{kept:8.1f} ({used})" if kept is not None else "       -"
            if title in r["unavailable"]:
                measured = "       - (" + r["unavailable"][title] + ")"
            lines.append(f"   {title:36s} {r['openings'].get(title, 0):8d}  {measured}")
        for c in r["crashes"]:
            lines.append(f"   CRASH at {c['at']} s, run {c['instance']}: exit code {c['code']}"
                         + (f" (signal {c['signal']})" if c["signal"] else ""))
            lines += _indented("stderr", c["stderr"]) + _indented("backtrace", c["backtrace"])
            lines += _indented("last input", "\n".join(c["last_actions"][-12:]))
        for h in r["hangs"] + r["stalls"]:
            kind = "STALL" if "answered_after" in h else "HANG"
            lines.append(f"   {kind} at {h['at']} s, run {h['instance']}, windows {h['windows']}"
                         + (f", answered after {h['answered_after']} s" if kind == "STALL" else "")
                         + (f": {h['what']}" if "what" in h else ""))
            lines += _indented("backtrace", h.get("backtrace", ""))
            lines += _indented("last input", "\n".join(h["last_actions"][-12:]))
        if r["stuck"]:
            lines.append(f"   windows that did not close on request: {r['stuck']}")
        lines.append(f"   links opened (stubbed): {len(r['link_calls'])}; files written in the scratch copy: "
                     f"{', '.join(sorted(r['written'])) or 'none'}")
    return "\n".join(lines)


def _series(samples):
    words, last = [], None
    for _, inst, _, kib in samples:
        if last is not None and inst != last:
            words.append("|")
        words.append(f"{kib / 1024:.1f}")
        last = inst
    return words


def _wrapped(title, words, width=100):
    lines, line = [], "   " + title
    for word in words:
        if len(line) + 1 + len(word) > width:
            lines.append(line)
            line = "     "
        line += " " + word
    return lines + [line]


def _mib(kib):
    return f"{kib / 1024:.1f} MiB" if kib is not None else "-"


def _num(value):
    return f"{value:+.1f}" if value is not None else "-"


def _indented(title, text):
    if not text:
        return []
    return [f"     {title}:"] + ["       " + line for line in text.strip().splitlines()[-30:]]
