#!/bin/sh
# Writes the configuration of a private CUPS scheduler that keeps everything under one directory.
# Usage: private-cups-conf.sh DIR HISTORY   (HISTORY: Yes or No, whether finished jobs are kept)
# then:  cupsd -f -c DIR/cupsd.conf -s DIR/cups-files.conf
set -eu
dir=$1
history=$2
mkdir -p "$dir/etc/ppd" "$dir/etc/ssl" "$dir/spool/tmp" "$dir/cache" "$dir/run" "$dir/log"
# The scheduler's helpers run as lp and must reach the spool below this directory.
chmod 755 "$dir"

cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/run
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
CONF

cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
PreserveJobFiles Yes
PreserveJobHistory $history
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
