# A print queue that prints into PDF files (cups-pdf), for the checks that print as a user
# does. Source it, call pdf_queue_start <name>, and pdf_queue_cleanup on exit.
# pdf_queue_start fails when this machine cannot offer one (no cupsd or cups-pdf, or not
# root); then nothing was started.
PDF_QUEUE=""
PDF_QUEUE_CUPSD=""
# Where cups-pdf writes the jobs of the user running the checks.
PDF_QUEUE_SPOOL=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF

pdf_queue_start() {
    [ "$(id -u)" -eq 0 ] && command -v cupsd >/dev/null &&
        [ -e /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] && [ -x /usr/lib/cups/backend/cups-pdf ] ||
        return 1
    if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
        cupsd -f &
        PDF_QUEUE_CUPSD=$!
        local i
        for i in $(seq 1 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
    fi
    lpadmin -p "$1" -v cups-pdf:/ -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || return 1
    PDF_QUEUE=$1
    lpadmin -d "$1"
    PDF_QUEUE_BEFORE=$(ls "$PDF_QUEUE_SPOOL" 2>/dev/null)
}

# Waits up to $2 seconds for a complete PDF file $1.
wait_pdf() {
    local i
    for i in $(seq 1 $(($2 * 10))); do
        [ -s "$1" ] && tail -c 8 "$1" | grep -q '%%EOF' && return 0
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds for the queue's next job, and moves its PDF file to $1.
pdf_queue_take_job() {
    local i job=""
    for i in $(seq 1 $(($2 * 10))); do
        job=$(comm -13 <(echo "$PDF_QUEUE_BEFORE") <(ls "$PDF_QUEUE_SPOOL" 2>/dev/null) |
            grep '\.pdf$' | head -n 1)
        [ -n "$job" ] && wait_pdf "$PDF_QUEUE_SPOOL/$job" 10 && break
        job=""
        sleep 0.1
    done
    [ -n "$job" ] || return 1
    mv "$PDF_QUEUE_SPOOL/$job" "$1"
}

pdf_queue_cleanup() {
    [ -n "$PDF_QUEUE" ] && lpadmin -x "$PDF_QUEUE" 2>/dev/null
    if [ -n "$PDF_QUEUE_CUPSD" ]; then
        kill "$PDF_QUEUE_CUPSD" 2>/dev/null
        wait "$PDF_QUEUE_CUPSD" 2>/dev/null
    fi
    PDF_QUEUE=""
    PDF_QUEUE_CUPSD=""
}
