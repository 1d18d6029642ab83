#!/usr/bin/env python3
# Reads a board's tables at a steady rate and reports the latency: an open-loop load (requests
# leave on schedule whether or not the ones before have come back), loopback only, bounded.
#   board_load.py PORT RATE SECONDS
import http.client, sys, threading, time

port, rate, seconds = int(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3])
threads = 8  # connections, fewer than the board's threads
latencies, errors, lock = [], [0], threading.Lock()

def reader(k):
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
    interval = threads / rate
    start = time.perf_counter() + k * interval / threads
    n = 0
    while True:
        due = start + n * interval
        if due - start > seconds:
            break
        now = time.perf_counter()
        if due > now:
            time.sleep(due - now)
        t0 = time.perf_counter()
        try:
            conn.request("GET", "/tables/%d" % (1 + n % 3))
            r = conn.getresponse()
            r.read()
            ok = r.status == 200
        except Exception:
            ok = False
            conn = http.client.HTTPConnection("127.0.0.1", port, timeout=5)
        t1 = time.perf_counter()
        with lock:
            if ok:
                latencies.append((t1 - max(t0, due)) * 1000)  # from when it was due
            else:
                errors[0] += 1
        n += 1

ts = [threading.Thread(target=reader, args=(k,)) for k in range(threads)]
for t in ts: t.start()
for t in ts: t.join()
latencies.sort()
def pct(p): return latencies[min(len(latencies) - 1, int(len(latencies) * p))] if latencies else -1
print("reads %d in %.0f s (%.0f/s asked), errors %d, median %.2f ms, p99 %.2f ms, max %.2f ms" %
      (len(latencies), seconds, rate, errors[0], pct(0.5), pct(0.99), latencies[-1] if latencies else -1))
