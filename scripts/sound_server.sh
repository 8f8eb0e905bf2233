# A private PulseAudio daemon with one null sink, for the tests that listen to the game: Wine
# plays into the sink and parec records its monitor. Sourced by scripts/test after common.sh,
# not run. The daemon is known by its process id and stopped by it.

# Starts the daemon and points every later client (parec, and Wine's sound driver in the game)
# at it; returns 1 with the daemon's own words when it does not come up.
start_sound_server() {
  needed_packages="pulseaudio pulseaudio-utils" ensure_packages || return 1
  # A short private path: a socket's path may not be longer than about a hundred bytes.
  sound_server_dir=$(mktemp -d /tmp/verlumo-pulse.XXXXXX) || return 1
  local socket="$sound_server_dir/native"
  cat >"$sound_server_dir/server.pa" <<PA
load-module module-native-protocol-unix socket=$socket auth-anonymous=1
load-module module-null-sink sink_name=verlumo_heard
set-default-sink verlumo_heard
PA
  # A client that cannot reach this daemon must fail, not start a daemon of its own.
  printf 'autospawn = no\n' >"$sound_server_dir/client.conf"
  # The daemon and its clients (Wine among them) must agree on where the server is: the
  # runtime folder and the server address both name this socket.
  export XDG_RUNTIME_DIR="$sound_server_dir" PULSE_SERVER="unix:$socket"
  export PULSE_CLIENTCONFIG="$sound_server_dir/client.conf"
  # As root the daemon warns that it is meant for a user session, and runs all the same; HOME
  # keeps its cookie and state in the private folder.
  HOME="$sound_server_dir" pulseaudio -n -F "$sound_server_dir/server.pa" --exit-idle-time=-1 \
    --daemonize=no --log-target=file:"$sound_server_dir/server.log" >/dev/null 2>&1 &
  sound_server_pid=$!
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    kill -0 "$sound_server_pid" 2>/dev/null || break
    sleep 0.1
  done
  say "FAILED: the PulseAudio daemon for the sound tests did not start. Its log:"
  cat "$sound_server_dir/server.log" >&2
  stop_sound_server
  return 1
}

stop_sound_server() {
  if [ -n "${sound_server_pid:-}" ]; then
    kill "$sound_server_pid" 2>/dev/null
    wait "$sound_server_pid" 2>/dev/null
  fi
  [ -n "${sound_server_dir:-}" ] && rm -rf "$sound_server_dir"
  unset sound_server_pid sound_server_dir XDG_RUNTIME_DIR PULSE_SERVER PULSE_CLIENTCONFIG
}
