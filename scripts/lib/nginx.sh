# Sourced by scripts that serve a folder over HTTP on loopback.
# start_nginx <root> <work folder> [certificate key]: starts nginx in the background on a free
# 127.0.0.1 port with its configuration, logs and temporary files in <work folder> (over TLS with
# the certificate and key when given), waits until it accepts connections, and sets nginx_pid and
# nginx_port. stop_nginx ends it.
start_nginx() {
  local root=$1 work=$2 certificate=${3:-} key=${4:-} conf listen scheme=http
  mkdir -p "$work"
  nginx_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  conf=$work/nginx.conf
  listen="127.0.0.1:$nginx_port"
  if [ -n "$certificate" ]; then
    listen="$listen ssl; ssl_certificate \"$certificate\"; ssl_certificate_key \"$key\""
    scheme=https
  fi
  cat > "$conf" <<CONF
daemon off;
master_process off;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log warn;
events { worker_connections 1024; }
http {
    access_log off;
    default_type application/octet-stream;
    sendfile on;
    tcp_nopush on;
    keepalive_timeout 65;
    keepalive_requests 100000;
    client_body_temp_path $work/body;
    proxy_temp_path $work/proxy;
    fastcgi_temp_path $work/fastcgi;
    uwsgi_temp_path $work/uwsgi;
    scgi_temp_path $work/scgi;
    server { listen $listen; root "$root"; }
}
CONF
  /usr/sbin/nginx -p "$work" -c "$conf" -e "$work/error.log" &
  nginx_pid=$!
  for _ in $(seq 100); do
    curl -sk -o /dev/null "$scheme://127.0.0.1:$nginx_port/" && return 0
    kill -0 "$nginx_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "nginx 没有启动：" >&2
  cat "$work/error.log" >&2 || true
  return 1
}

stop_nginx() {
  [ -n "${nginx_pid:-}" ] || return 0
  kill "$nginx_pid" 2>/dev/null || true
  wait "$nginx_pid" 2>/dev/null || true
  nginx_pid=
}
