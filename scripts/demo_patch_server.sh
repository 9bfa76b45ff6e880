# shellcheck shell=bash
# shellcheck disable=SC2154  # root and build are demo.sh's
# Sourced by demo.sh: a throwaway patch server for the demo. mariadbd on a free loopback port with
# its data folder under the build folder, the patch tables of data/patch/patch_tables.sql (the
# tests' schema) and one published build equal to the program's version, so that the login's update
# check finds nothing to do. VMR_PATCH_HOST, VMR_PATCH_USER and VMR_PATCH_PASSWORD point at it.

patch_server_pid=""
patch_server_dir=""
patch_server_port=""

# The program's version as the program reads it: major.minor.0.revision from the project file.
demo_program_version() {
  local version revision
  version="$(sed -n 's/^project(VmrZLM VERSION \([0-9]*\.[0-9]*\)\..*/\1/p' "$root/CMakeLists.txt")"
  revision="$(sed -n 's/^set(VMR_VERSION_REVISION \([0-9]*\))/\1/p' "$root/CMakeLists.txt")"
  echo "$version.0.$revision"
}

demo_free_port() {
  local port
  for port in $(shuf -i 20000-60000 -n 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return 0; }
  done
  return 1
}

# Runs SQL on the server as its administrator.
demo_patch_sql() {
  mariadb --no-defaults --protocol=tcp -h 127.0.0.1 -P "$patch_server_port" -u root "$@"
}

demo_start_patch_server() {
  local as_root=()
  [ "$(id -u)" -ne 0 ] || as_root=(--user=root)
  PATH="$PATH:/usr/sbin:/usr/local/sbin"
  command -v mariadbd >/dev/null && command -v mariadb-install-db >/dev/null || return 1
  patch_server_dir="$build/demo-patch-server"
  rm -rf "$patch_server_dir"
  mkdir -p "$patch_server_dir/tmp"
  patch_server_port="$(demo_free_port)" || return 1
  mariadb-install-db --no-defaults --datadir="$patch_server_dir/data" --tmpdir="$patch_server_dir/tmp" \
    --auth-root-authentication-method=normal --skip-test-db --skip-name-resolve "${as_root[@]}" \
    >"$patch_server_dir/install.log" 2>&1 || return 1
  mariadbd --no-defaults --datadir="$patch_server_dir/data" --tmpdir="$patch_server_dir/tmp" \
    --socket="$patch_server_dir/server.sock" --pid-file="$patch_server_dir/server.pid" \
    --bind-address=127.0.0.1 --port="$patch_server_port" --skip-name-resolve \
    --innodb-buffer-pool-size=16M --log-error="$patch_server_dir/server.err" "${as_root[@]}" \
    >/dev/null 2>&1 &
  patch_server_pid=$!
  for _ in $(seq 300); do
    demo_patch_sql -e "SELECT 1" >/dev/null 2>&1 && break
    kill -0 "$patch_server_pid" 2>/dev/null || return 1
    sleep 0.1
  done
  demo_patch_sql <"$root/data/patch/patch_tables.sql" || return 1
  demo_patch_sql -e "INSERT INTO mgmt.VMR_ZLM_PatchTB (P_TYPE, P_USE, P_USE_DEV, P_VERSION, P_SIZE)
                     VALUES ('A', 'T', 'T', '$(demo_program_version)', 1)" || return 1
  export VMR_PATCH_HOST="127.0.0.1:$patch_server_port" VMR_PATCH_USER=vmr_patch_test \
         VMR_PATCH_PASSWORD=throwaway-pw
}

demo_stop_patch_server() {
  if [ -n "$patch_server_pid" ]; then
    kill "$patch_server_pid" 2>/dev/null || true
    wait "$patch_server_pid" 2>/dev/null || true
    patch_server_pid=""
  fi
  [ -z "$patch_server_dir" ] || rm -rf "$patch_server_dir"
}
